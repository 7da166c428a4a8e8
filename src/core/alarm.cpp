#include "core/frm_tikanda.h"

namespace tikanda {

using form::Control;

void FrmTikanda::Alarm() {}

} // namespace tikanda
