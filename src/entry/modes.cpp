#include "core/frm_tikanda.h"

namespace tikanda {

using form::Control;

void FrmTikanda::MenuEnabled(bool p) {}
void FrmTikanda::optV_Click() {}
void FrmTikanda::optZa_Click() {}
void FrmTikanda::optS_Click() {}
void FrmTikanda::optV_KeyDown(int KeyCode, int Shift) {}
void FrmTikanda::optZa_KeyDown(int KeyCode, int Shift) {}
void FrmTikanda::optS_KeyDown(int KeyCode, int Shift) {}
void FrmTikanda::optV_MouseDown(int Button, int Shift, float x, float y) {}
void FrmTikanda::optZa_MouseDown(int Button, int Shift, float x, float y) {}
void FrmTikanda::optS_MouseDown(int Button, int Shift, float x, float y) {}
void FrmTikanda::mnuV_Click() {}
void FrmTikanda::mnuP_Click() {}
void FrmTikanda::mnuS_Click() {}

} // namespace tikanda
