// The icon option (minimise when a count runs) and the compact layouts of start-up.

#include "core/frm_tikanda.h"

namespace tikanda {

// The toolbar toggle "Min" has already changed its state when this runs.
void FrmTikanda::PressMin() {
    if (tlbCas.button("Min").Value == 1) {
        mnuIkona.Checked = true;
        if (runState() == RunState::Running) WinMin(1);
    } else {
        mnuIkona.Checked = false;
    }
}

void FrmTikanda::mnuIkona_Click() {
    mnuIkona.Checked = !mnuIkona.Checked;
    PressMnuIkona();
}

void FrmTikanda::PressMnuIkona() {
    auto& min = tlbCas.button("Min");
    min.Value = 1 - min.Value;
    if (min.Value == 1 && runState() == RunState::Running) WinMin(1);
}

// Any size change during a count, minimising included, uses the option up and puts the
// normal title back (the tick shows the count in the title only while minimised).
void FrmTikanda::Form_Resize() {
    if (!m_run.pending()) return;
    tlbCas.button("Min").Value = 0;
    mnuIkona.Checked = false;
    Caption = "Tikanda 1.3";
}

int FrmTikanda::applyNoMenu() {
    for (form::MenuItem* m : {&mnuStopky, &mnuAlarm, &mnuNastaveni, &mnuNapoveda})
        m->Visible = false;
    return 300;
}

// The toolbar is moved far out of the window rather than hidden, because the alarm text
// box lives in it and is brought back into view for an edit.
int FrmTikanda::applyNoBar() {
    NoBar = true;
    picTikanda.place.top -= 420;
    tlbCas.AlignTop = false;
    tlbCas.place.left = -20000;
    return 420;
}

} // namespace tikanda
