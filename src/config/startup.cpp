// Start-up with its command-line switches, and the orderly exit.

#include "core/frm_tikanda.h"

namespace tikanda {

namespace {

const char* const kTitle = "Tikanda 1.3";

// Upper case of the ASCII letters only: the switch words are ASCII, and other bytes
// (UTF-8 sequences included) stay as they are.
std::string upperAscii(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return s;
}

bool contains(const std::string& text, const char* word) {
    return text.find(word) != std::string::npos;
}

} // namespace

void FrmTikanda::Form_Load() {
    frmSplash.Visible = true;
    m_svc.windows.doEvents(); // let the start-up box be drawn before the work below

    OneSec = timetext::parseTimeOfDay("00:00:01").value_or(1);
    m_program.SoundMode = 1;
    int reduction = 0;

    // The switches count anywhere in the command line, in any letter case.
    WorkText = upperAscii(m_svc.env.commandLine());
    if (contains(WorkText, "NOMENU")) reduction += applyNoMenu();
    if (contains(WorkText, "NOSOUND")) {
        auto& zvuk = tlbCas.button("Zvuk");
        zvuk.Enabled = false;
        zvuk.Value = 0;
        tlbCas.button("Nastaveni").Enabled = false;
        mnuZvuk.Checked = false;
        mnuZvuk.Enabled = false;
        mnuWave.Enabled = false;
        m_program.SoundMode = -1;
    }
    if (contains(WorkText, "NOBAR")) reduction += applyNoBar();
    Height -= reduction;

    Aktivace("User");
    m_settingsLoaded = true;
    TimeSet();
    linAlarm.X1 = 480;
    linAlarm.Y1 = 480;
    linAlarm.X2 = 480;
    linAlarm.Y2 = 460;
    // A run a copy that ended left behind comes back before the window shows.
    restoreRun();
    m_svc.help.setHelpFile("TIKANDA.HLP");
    Caption = kTitle;

    frmSplash.Visible = false;
    Visible = true;
    ++activateRequests;
    tlbCas.button("Text").ToolTipText = "Text alarmu: " + AlarmText;
}

void FrmTikanda::Konec() {
    const MsgAnswer a =
        m_svc.messages.show("Ukončit program?", kTitle, MsgIcon::Question, MsgButtons::YesNo, true);
    if (a != MsgAnswer::Yes) {
        Answer = 1; // also cancels a window close
        return;
    }
    Answer = 6; // the message box's code for "Ano"

    Visible = false;
    frmSplash.Lbl.Caption = "Ukončení Tikandy";
    frmSplash.Visible = true;
    m_svc.windows.doEvents(); // let the closing box be drawn before the save

    const bool saved = SaveSettings();
    frmSplash.Visible = false; // kept above every window, it would cover the message
    if (!saved)
        m_svc.messages.show("Nastavení se nepodařilo uložit.", kTitle, MsgIcon::Exclamation,
                            MsgButtons::Ok);
    dropRun();
    m_svc.exit.endNow(0);
}

FrmTikanda::SessionSave FrmTikanda::SessionEnd() {
    syncRunState(); // the pending run stays for the next start
    if (!m_settingsLoaded) return SessionSave::NotLoaded;
    return SaveSettings() ? SessionSave::Saved : SessionSave::Failed;
}

void FrmTikanda::Form_Unload(int& Cancel) {
    Konec();
    Cancel = Answer;
}

void FrmTikanda::mnuKonec_Click() {
    Konec();
}

} // namespace tikanda
