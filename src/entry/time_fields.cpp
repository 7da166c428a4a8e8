#include "core/frm_tikanda.h"

namespace tikanda {

using form::Control;

void FrmTikanda::Oznac(form::Control& Obj) {}
void FrmTikanda::TimeTest(form::Control& Obj, int Value) {}
void FrmTikanda::txtHod_GotFocus() {}
void FrmTikanda::txtMin_GotFocus() {}
void FrmTikanda::txtSec_GotFocus() {}
void FrmTikanda::txtHod_Change() {}
void FrmTikanda::txtMin_Change() {}
void FrmTikanda::txtSec_Change() {}
int FrmTikanda::txtHod_KeyPress(int KeyAscii) { return 0; }
int FrmTikanda::txtMin_KeyPress(int KeyAscii) { return 0; }
int FrmTikanda::txtSec_KeyPress(int KeyAscii) { return 0; }
void FrmTikanda::txtHod_KeyUp(int KeyCode, int Shift) {}
void FrmTikanda::txtMin_KeyUp(int KeyCode, int Shift) {}
void FrmTikanda::txtSec_KeyUp(int KeyCode, int Shift) {}
void FrmTikanda::txtHod_LostFocus() {}
void FrmTikanda::txtMin_LostFocus() {}
void FrmTikanda::txtSec_LostFocus() {}
void FrmTikanda::updHod_Change() {}
void FrmTikanda::updMin_Change() {}
void FrmTikanda::updSec_Change() {}
void FrmTikanda::updHod_MouseDown(int Button, int Shift, float x, float y) {}
void FrmTikanda::updMin_MouseDown(int Button, int Shift, float x, float y) {}
void FrmTikanda::updSec_MouseDown(int Button, int Shift, float x, float y) {}
void FrmTikanda::mnuHod_Click() {}
void FrmTikanda::mnuMin_Click() {}
void FrmTikanda::mnuSec_Click() {}

} // namespace tikanda
