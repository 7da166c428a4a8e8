// Recolouring the display panel: a right press on the panel or one of its labels opens
// the pop-up menu "Barva"; its item "Nastavení barvy…" opens the colour dialog.

#include "core/frm_tikanda.h"

namespace tikanda {

using form::Control;

namespace {
constexpr int kRightButton = 2;
constexpr int kFollowUp = 10; // a pop-up item asked for its follow-up action
} // namespace

void FrmTikanda::ForeCol(Control& Obj, const std::string& Txt) {
    // The marker must come from this menu, never from an earlier use of Answer.
    Answer = 0;
    if (form::MenuItem* chosen = m_svc.popups.popup(mnuBarva, &mnuAnalog2)) menuClick(*chosen);
    if (Answer != kFollowUp) return;
    if (Txt == "F")
        Obj.ForeColor = SelectColor(Obj.ForeColor);
    else
        Obj.BackColor = SelectColor(Obj.BackColor);
    Answer = 0;
}

form::Colour FrmTikanda::SelectColor(form::Colour HistoryColor) {
    // The dialog opens preset to its own last choice in this run (black at first),
    // not to the colour being changed.
    const std::optional<std::uint32_t> chosen = m_svc.dialogs.chooseColour(dlgSound.Color);
    if (!chosen) return HistoryColor;
    dlgSound.Color = *chosen;
    return *chosen;
}

void FrmTikanda::lbl1_MouseDown(int Button, int, float, float) {
    if (Button != kRightButton) return;
    ForeCol(lbl1, "F");
    lbl2.ForeColor = lbl1.ForeColor;
}

void FrmTikanda::lbl2_MouseDown(int Button, int Shift, float x, float y) {
    lbl1_MouseDown(Button, Shift, x, y);
}

void FrmTikanda::lblAktualni_MouseDown(int Button, int, float, float) {
    if (Button == kRightButton) ForeCol(lblAktualni, "F");
}

void FrmTikanda::lblAlarm_MouseDown(int Button, int, float, float) {
    if (Button != kRightButton) return;
    ForeCol(lblAlarm, "F");
    lblStopky.ForeColor = lblAlarm.ForeColor;
}

void FrmTikanda::lblStopky_MouseDown(int Button, int, float, float) {
    if (Button != kRightButton) return;
    ForeCol(lblStopky, "F");
    lblAlarm.ForeColor = lblStopky.ForeColor;
}

void FrmTikanda::picGreen_MouseDown(int Button, int, float, float) {
    if (Button == kRightButton) ForeCol(picGreen, "B");
}

void FrmTikanda::mnuColor_Click() {
    Answer = kFollowUp;
}

} // namespace tikanda
