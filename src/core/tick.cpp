#include "core/frm_tikanda.h"

namespace tikanda {

using form::Control;

void FrmTikanda::tmrAlarm_Timer() {}
Seconds FrmTikanda::Cas() { return 0; }

} // namespace tikanda
