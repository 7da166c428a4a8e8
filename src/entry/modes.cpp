// The choice between alarm at a time of day (V), alarm after a period (Za) and the
// stopwatch (S). The selected option button is the mode; the menu mirrors it.

#include "core/frm_tikanda.h"

namespace tikanda {

using form::Control;
using form::MenuItem;

void FrmTikanda::NastavTyp(const std::string& MenuText, const std::string& InfoText,
                           const std::string& StopkyText, MenuItem& Obj) {
    mnuStopky.Caption = MenuText;
    lbl2.Caption = InfoText;
    lblStopky.Caption = StopkyText;
    mnuP.Checked = false;
    mnuV.Checked = false;
    mnuS.Checked = false;
    Obj.Checked = true;
}

void FrmTikanda::MenuEnabled(bool p) {
    for (MenuItem* m : {&mnuP, &mnuV, &mnuS, &mnuHod, &mnuMin, &mnuSec})
        m->Enabled = p;
}

void FrmTikanda::optV_Click() {
    const Seconds t = Cas();
    NastavTyp("&Alarm", "Alarm v:", timetext::format(t), mnuV);
}

void FrmTikanda::optZa_Click() {
    const Seconds t = Cas();
    NastavTyp("&Alarm", "Alarm za:", timetext::format(t), mnuP);
}

void FrmTikanda::optS_Click() {
    NastavTyp("&Stopky", "Stopky:", "0:00:00", mnuS);
}

// Enter on an option button moves on to OK, so that a further Enter starts the run.
void FrmTikanda::optV_KeyDown(int KeyCode, int) {
    if (KeyCode == vk::Enter) SetFocus(cmdOK);
}
void FrmTikanda::optZa_KeyDown(int KeyCode, int) {
    if (KeyCode == vk::Enter) SetFocus(cmdOK);
}
void FrmTikanda::optS_KeyDown(int KeyCode, int) {
    if (KeyCode == vk::Enter) SetFocus(cmdOK);
}

void FrmTikanda::optV_MouseDown(int Button, int, float, float) {
    if (Button == mouse::Right) ShowWhatsThis(optV);
}
void FrmTikanda::optZa_MouseDown(int Button, int, float, float) {
    if (Button == mouse::Right) ShowWhatsThis(optZa);
}
void FrmTikanda::optS_MouseDown(int Button, int, float, float) {
    if (Button == mouse::Right) ShowWhatsThis(optS);
}

// An option button that receives the focus becomes selected and runs its Click, so
// the menu items choose the mode by moving the focus; an already selected mode only
// gets the focus.
void FrmTikanda::mnuV_Click() {
    SetFocus(optV);
}
void FrmTikanda::mnuP_Click() {
    SetFocus(optZa);
}
void FrmTikanda::mnuS_Click() {
    SetFocus(optS);
}

} // namespace tikanda
