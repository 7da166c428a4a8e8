#include "core/frm_tikanda.h"

namespace tikanda {

using form::Control;

void FrmTikanda::Form_KeyUp(int KeyCode, int Shift) {}

} // namespace tikanda
