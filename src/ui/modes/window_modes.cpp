#include "core/frm_tikanda.h"

namespace tikanda {

using form::Control;

void FrmTikanda::PressMin() {}
void FrmTikanda::mnuIkona_Click() {}
void FrmTikanda::PressMnuIkona() {}
void FrmTikanda::Form_Resize() {}
int FrmTikanda::applyNoMenu() { return 0; }
int FrmTikanda::applyNoBar() { return 0; }

} // namespace tikanda
