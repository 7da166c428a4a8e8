#include "core/frm_tikanda.h"

namespace tikanda {

using form::Control;

void FrmTikanda::Alarm() {
    if (RunState == 1) {
        if (m_program.SoundMode == 1) m_svc.sound.play(m_program.SoundFile);
        lblStopky.Caption = "0:00:00";
        m_svc.keys.sendKey(vk::F16);
        m_svc.screenSaver.simulateUserActivity();
        FrmAlarm& a = loadAlarmWindow();
        a.lblAlarm[0].Caption = AlarmText;
        a.lblAlarm[3].Caption = timetext::formatClock(m_svc.clock.now().second);
        a.Visible = true;
        ++a.activateRequests;
        m_program.AlarmUp = true;
    } else {
        m_program.AlarmUp = false;
    }

    if (optS.Value) {
        m_svc.messages.show("Čas " + lblStopky.Caption, "Tikanda 1.3", MsgIcon::Information,
                            MsgButtons::Ok);
        lblStopky.Caption = "0:00:00";
    }

    RunState = 0;
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

} // namespace tikanda
