#include "core/frm_tikanda.h"

namespace tikanda {

using form::Control;

void FrmTikanda::Alarm() {
    const RunNow now = runNow();
    if (m_run.state() == RunState::Running) {
        // Announced when it fell due: now, or, for a run put back at start-up, the moment
        // its alarm came while the program was not running.
        const LocalMoment at = m_run.fellDueAt().value_or(now.wall);
        if (m_program.SoundMode == 1) m_svc.sound.play(m_program.SoundFile);
        lblStopky.Caption = "0:00:00";
        m_svc.keys.sendKey(vk::F16);
        m_svc.screenSaver.simulateUserActivity();
        m_run.stop(now);
        openAlarmWindow(AlarmText, at);
        m_program.AlarmUp = true;
    } else {
        m_run.stop(now);
        m_program.AlarmUp = false;
    }
    // Written before the stopwatch's message box, which may be the last thing this copy does.
    syncRunState();

    if (optS.Value) {
        m_svc.messages.show("Čas " + timetext::format(m_run.value(now)), "Tikanda 1.3",
                            MsgIcon::Information, MsgButtons::Ok);
        lblStopky.Caption = "0:00:00";
    }

    fraNastav.Enabled = true;
    fraAlarm.Enabled = true;
    TlbSPS(true, false, false);
    MenuEnabled(true);
    MenuSPS(true, false, false);
    cmdOK.Enabled = true;
    cmdStorno.Caption = "Storno";
    cmdStorno.ToolTipText = "Ukončí program";
    cmdStorno.WhatsThisHelpID = 13027;
    SetFocus(txtHod);
    Caption = "Tikanda 1.3";
    if (WindowState == 1) WinMin(0);
}

void FrmTikanda::openAlarmWindow(const std::string& text, const LocalMoment& at) {
    const RunNow now = runNow();
    FrmAlarm& a = loadAlarmWindow();
    a.AnnounceTime = at;
    a.lblAlarm[0].Caption = text;
    a.lblAlarm[3].Caption = timetext::formatClock(at.second);
    a.Visible = true;
    ++a.activateRequests;
    m_shownAlarm = ShownAlarm{text, now.utcMs - (now.wall.serial() - at.serial()) * 1000};
}

} // namespace tikanda
