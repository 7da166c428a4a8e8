#include "core/frm_tikanda.h"

namespace tikanda {

using form::Control;

void FrmTikanda::TimeSet() {}
void FrmTikanda::mnuAnalog_Click() {}
void FrmTikanda::mnuAnalog2_Click() {}

} // namespace tikanda
