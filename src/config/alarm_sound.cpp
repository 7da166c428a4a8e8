#include "core/frm_tikanda.h"

namespace tikanda {

using form::Control;

void FrmTikanda::mnuZvuk_Click() {}
void FrmTikanda::PressZvuk() {}
void FrmTikanda::SelectSound() {}
void FrmTikanda::mnuWave_Click() {}

} // namespace tikanda
