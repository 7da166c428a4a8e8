#include "core/frm_tikanda.h"

namespace tikanda {

using form::Control;

void FrmTikanda::ForeCol(form::Control& Obj, const std::string& Txt) {}
form::Colour FrmTikanda::SelectColor(form::Colour HistoryColor) { return HistoryColor; }
void FrmTikanda::lbl1_MouseDown(int Button, int Shift, float x, float y) {}
void FrmTikanda::lbl2_MouseDown(int Button, int Shift, float x, float y) {}
void FrmTikanda::lblAktualni_MouseDown(int Button, int Shift, float x, float y) {}
void FrmTikanda::lblAlarm_MouseDown(int Button, int Shift, float x, float y) {}
void FrmTikanda::lblStopky_MouseDown(int Button, int Shift, float x, float y) {}
void FrmTikanda::picGreen_MouseDown(int Button, int Shift, float x, float y) {}
void FrmTikanda::mnuColor_Click() {}

} // namespace tikanda
