#include "core/frm_tikanda.h"

namespace tikanda {

using form::Control;

void FrmTikanda::TextAlarmu() {}
void FrmTikanda::FillComboSet() {}
void FrmTikanda::FillCombo() {}
void FrmTikanda::cboText_KeyUp(int KeyCode, int Shift) {}
void FrmTikanda::cboText_LostFocus() {}
void FrmTikanda::mnuText_Click() {}

} // namespace tikanda
