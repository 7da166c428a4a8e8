#include "core/frm_tikanda.h"

namespace tikanda {

using form::Control;

void FrmTikanda::ShowWhatsThis(form::Control& Obj) {}
void FrmTikanda::Pop(int i, int What, int OldWhat, form::Control& Obj) {}
void FrmTikanda::fraAlarm_MouseDown(int Button, int Shift, float x, float y) {}
void FrmTikanda::fraNastav_MouseDown(int Button, int Shift, float x, float y) {}
void FrmTikanda::picAlarm_MouseDown(int Button, int Shift, float x, float y) {}
void FrmTikanda::picNastav_MouseDown(int Button, int Shift, float x, float y) {}
void FrmTikanda::mnuCoToJe_Click() {}
void FrmTikanda::tlbCas_MouseDown(int Button, int Shift, float x, float y) {}
void FrmTikanda::tlbCas_MouseUp(int Button, int Shift, float x, float y) {}
void FrmTikanda::mnuIndex_Click() {}
void FrmTikanda::About() {}
void FrmTikanda::mnuO_Click() {}
void FrmTikanda::menuContextHelp(form::MenuItem& item) {}

} // namespace tikanda
