#include "core/frm_tikanda.h"

namespace tikanda {

using form::Control;

void FrmTikanda::Form_Load() {}
void FrmTikanda::Konec() {}
void FrmTikanda::Form_Unload(int& Cancel) {}
void FrmTikanda::mnuKonec_Click() {}

} // namespace tikanda
