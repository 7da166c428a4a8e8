#include "core/frm_tikanda.h"

namespace tikanda {

using form::Control;

namespace {
constexpr int kHiddenToolbarLeft = -20000;
}

// The common end of a confirmed or cancelled alarm-text edit: the toolbar buttons come
// back, the box goes, a hidden toolbar goes out of view again, and the buttons' tooltips
// are those of the run.
void FrmTikanda::closeTextEdit() {
    for (int i = 1; i <= 11; ++i)
        tlbCas(i).Visible = true;
    cboText.Visible = false;
    if (NoBar) tlbCas.place.left = kHiddenToolbarLeft;
    cmdOK.ToolTipText = "Spustí časomíru";
    cmdStorno.ToolTipText = "Ukončí program";
}

void FrmTikanda::cmdOK_Click() {
    if (cboText.Visible) {
        // Confirm the alarm-text edit; the run goes on as it was.
        AlarmText = cboText.Text;
        FillComboSet();
        FillCombo();
        auto& text = tlbCas.button("Text");
        text.ToolTipText = "Text alarmu: " + AlarmText;
        lblAlarm.Caption = AlarmText;
        if (Answer == 1)
            text.Image = "TextB";
        else
            text.Image = AlarmText.empty() ? "TextG" : "TextY";
        closeTextEdit();
        return;
    }

    const RunNow now = runNow();
    if (m_run.state() == RunState::Paused) {
        m_run.resume(now); // from the held value; the fields are not read
    } else {
        // The run is what the fields show once the focused one has been checked.
        checkFocusedField();
        const RunMode mode = optV.Value    ? RunMode::TimeOfDay
                             : optZa.Value ? RunMode::Countdown
                                           : RunMode::Stopwatch;
        m_run.start(mode, Cas(), now);
    }
    drawRun(now);
    // Decode the alarm sound now so that the alarm itself starts playing at once.
    if (m_program.SoundMode == 1) m_svc.sound.preload(m_program.SoundFile);
    showRunning();
    if (tlbCas.button("Min").Value == 1) WinMin(1);
}

void FrmTikanda::showRunning() {
    const bool timeOfDay = m_run.mode() == RunMode::TimeOfDay;
    cmdStorno.Caption = "Pauza";
    cmdStorno.WhatsThisHelpID = 13025;
    if (timeOfDay) {
        cmdStorno.Caption = "Stop";
        cmdStorno.ToolTipText = "Ukončí odpočet";
        cmdStorno.WhatsThisHelpID = 13030;
    } else {
        cmdStorno.ToolTipText =
            m_run.mode() == RunMode::Countdown ? "Pozastaví odečet" : "Pozastaví stopky";
    }
    fraNastav.Enabled = false;
    fraAlarm.Enabled = false;
    MenuSPS(false, false, true);
    MenuEnabled(false);
    TlbSPS(false, false, true);
    tlbCas.button("Pauza").Enabled = !timeOfDay;
    mnuPauza.Enabled = !timeOfDay;
    cmdOK.Enabled = false;
}

void FrmTikanda::checkFocusedField() {
    if (ActiveControl == &txtHod)
        txtHod_LostFocus();
    else if (ActiveControl == &txtMin)
        txtMin_LostFocus();
    else if (ActiveControl == &txtSec)
        txtSec_LostFocus();
}

void FrmTikanda::cmdStorno_Click() {
    if (cboText.Visible) {
        // Cancel the alarm-text edit: the text before the edit comes back.
        AlarmText = TextBeforeEdit;
        cboText.Text = TextBeforeEdit;
        tlbCas.button("Text").ToolTipText = "Text alarmu: " + AlarmText;
        closeTextEdit();
        return;
    }

    switch (m_run.state()) {
    case RunState::Stopped:
        Konec();
        break;
    case RunState::Running:
        if (m_run.mode() == RunMode::TimeOfDay) {
            Stopka();
        } else {
            Pauza();
            SetFocus(cmdOK);
        }
        break;
    case RunState::Paused:
        Stopka();
        break;
    }
}

void FrmTikanda::cmdOK_MouseDown(int Button, int, float, float) {
    if (Button == mouse::Right) ShowWhatsThis(cmdOK);
}

void FrmTikanda::cmdStorno_MouseDown(int Button, int Shift, float, float) {
    if (Button == mouse::Left && Shift > 0) {
        // Shift, Ctrl or Alt with a left click: end at once, without question or saving.
        dropRun();
        m_svc.exit.endNow(0);
        return;
    }
    if (Button == mouse::Right) ShowWhatsThis(cmdStorno);
}

void FrmTikanda::Pauza() {
    const RunNow now = runNow();
    m_run.pause(now);
    drawRun(now);
    showPaused();
}

void FrmTikanda::showPaused() {
    TlbSPS(true, false, true);
    MenuSPS(true, false, mnuStop.Enabled);
    cmdOK.Enabled = true;
    cmdStorno.Caption = "Stop";
    cmdStorno.ToolTipText = "Ukončí odpočet";
    cmdStorno.WhatsThisHelpID = 13030;
}

void FrmTikanda::Stopka() {
    const RunNow now = runNow();
    m_run.stop(now);
    if (WindowState != 1 && m_run.mode() != RunMode::TimeOfDay)
        lblStopky.Caption = timetext::format(m_run.value(now));
    lblStopky.ToolTipText = "Pravé tlačítko myši nastaví barvu";
    Alarm();
    MenuSPS(true, false, false);
    cmdStorno.Caption = "Storno";
    cmdStorno.ToolTipText = "Ukončí program";
    cmdStorno.WhatsThisHelpID = 13027;
    SetFocus(txtHod);
}

void FrmTikanda::TlbSPS(bool F2, bool F3, bool F4) {
    tlbCas.button("Start").Enabled = F2;
    tlbCas.button("Pauza").Enabled = F3;
    tlbCas.button("Stop").Enabled = F4;
}

void FrmTikanda::MenuSPS(bool F2, bool F3, bool F4) {
    mnuStart.Enabled = F2;
    mnuPauza.Enabled = F3;
    mnuStop.Enabled = F4;
}

void FrmTikanda::WinMin(int p) {
    windowStateChanged(p);
}

void FrmTikanda::tlbCas_ButtonClick(const std::string& Key) {
    if (Key == "Start")
        cmdOK_Click();
    else if (Key == "Pauza")
        Pauza();
    else if (Key == "Stop")
        Stopka();
    else if (Key == "Text")
        TextAlarmu();
    else if (Key == "Zvuk")
        PressZvuk();
    else if (Key == "Min")
        PressMin();
    else if (Key == "Nastaveni")
        SelectSound();
    else if (Key == "O")
        About();
}

void FrmTikanda::mnuStart_Click() {
    cmdOK_Click();
}
void FrmTikanda::mnuPauza_Click() {
    Pauza();
}
void FrmTikanda::mnuStop_Click() {
    Stopka();
}

} // namespace tikanda
