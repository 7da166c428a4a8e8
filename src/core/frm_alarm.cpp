#include "core/frm_alarm.h"
#include "core/time_text.h"

namespace tikanda {

FrmAlarm::FrmAlarm(Services& svc, ProgramState& program, Timer& mainTimer,
                   std::function<void()> afterTick, std::function<void()> unloaded)
    : m_svc(svc), m_program(program), m_mainTimer(mainTimer), m_afterTick(std::move(afterTick)),
      m_unloadedHook(std::move(unloaded)) {}

FrmAlarm::~FrmAlarm() = default;

void FrmAlarm::Form_Load() {
    // The main window's tick rests while an alarm is being announced.
    m_mainTimer.setEnabled(false);
    // With its date, so that the elapsed time stays true across midnight.
    AnnounceTime = m_svc.clock.now();
    Visible = true;
    ++activateRequests;
    m_timer = m_svc.timers.createSecondTimer([this, after = m_afterTick] {
        ++m_ticking;
        tmrAlarm_Timer();
        --m_ticking;
        if (after) after(); // last: it may destroy this window
    });
    // No blanking and no locking while the alarm is announced.
    m_svc.screenSaver.inhibit();
}

void FrmAlarm::Form_Unload(int&) {
    m_mainTimer.setEnabled(true);
    m_svc.screenSaver.uninhibit();
    m_svc.sound.release();
}

void FrmAlarm::Form_Click() {
    KonecAlarmu();
}

void FrmAlarm::Form_KeyUp(int KeyCode, int) {
    // F14 and above are ignored: the F16 this window sends every second must not close it.
    if (KeyCode >= 1 && KeyCode <= vk::F13) KonecAlarmu();
}

void FrmAlarm::lblAlarm_Click(int) {
    KonecAlarmu();
}

void FrmAlarm::tmrAlarm_Timer() {
    if (m_unloaded) return;
    m_svc.windows.doEvents();
    if (m_unloaded) return; // a click or key processed just now closed the window

    const Seconds elapsed = m_svc.clock.now().serial() - AnnounceTime.serial();
    const std::string text = timetext::format(elapsed); // shown without its sign
    lblAlarm[2].Caption = "\u2013" + text;
    if (text.ends_with("59") && m_program.SoundMode == 1) m_svc.sound.play(m_program.SoundFile);
    m_svc.keys.sendKey(vk::F16);
    m_svc.screenSaver.simulateUserActivity();
}

void FrmAlarm::KonecAlarmu() {
    if (m_unloaded) return;
    Visible = false;
    int Cancel = 0;
    Form_Unload(Cancel);
    m_unloaded = true;
    // Only stopped here: this may run inside the timer's own tick. The owner drops the
    // window, and its timer with it, at the next alarm.
    if (m_timer) m_timer->setEnabled(false);
    m_svc.windows.alarmWindowUnloaded(*this);
    if (m_unloadedHook) m_unloadedHook();
}

} // namespace tikanda
