// The alarm text and its list of the five most recently confirmed texts. The edit is
// open exactly while cboText is visible; confirming and cancelling are the edit
// branches of cmdOK_Click and cmdStorno_Click.

#include "core/frm_tikanda.h"

namespace tikanda {

using form::Control;

void FrmTikanda::TextAlarmu() {
    // Opening again while the edit is open keeps the text to return to.
    if (!cboText.Visible) TextBeforeEdit = AlarmText;
    cboText.Visible = true;
    SetFocus(cboText);
    // Only the box is seen in the toolbar strip while editing.
    for (Idx = 1; Idx <= 11; ++Idx)
        tlbCas(Idx).Visible = false;
    // Without the toolbar layout the strip is off-screen; bring it into view.
    if (NoBar) tlbCas.place.left = 0;
    cmdOK.ToolTipText = "Potvrdí zadání textu";
    cmdStorno.ToolTipText = "Vrátí původní text";
}

void FrmTikanda::FillComboSet() {
    Answer = 0;
    for (int p = 1; p <= 5; ++p)
        if (Texts[p] == AlarmText) {
            Answer = p;
            break;
        }
    if (Answer >= 2) {
        // Found lower in the list: move it to the top, the ones above it down by one.
        WorkText = Texts[Answer];
        for (Idx = Answer - 1; Idx >= 1; --Idx)
            Texts[Idx + 1] = Texts[Idx];
        Texts[1] = WorkText;
    } else if (Answer == 0) {
        // A new text pushes out the oldest.
        for (Idx = 4; Idx >= 1; --Idx)
            Texts[Idx + 1] = Texts[Idx];
        Texts[1] = AlarmText;
    } else {
        Texts[1] = AlarmText;
    }
}

void FrmTikanda::FillCombo() {
    cboText.Items.clear();
    for (Idx = 1; Idx <= 5; ++Idx)
        cboText.Items.push_back(Texts[Idx]);
    cboText.Text = AlarmText;
}

void FrmTikanda::cboText_KeyUp(int KeyCode, int) {
    if (KeyCode == vk::Enter)
        cmdOK_Click();
    else if (KeyCode == vk::Escape)
        cmdStorno_Click();
}

void FrmTikanda::cboText_LostFocus() {
    AlarmText = cboText.Text;
}

void FrmTikanda::mnuText_Click() {
    TextAlarmu();
}

} // namespace tikanda
