#include "core/frm_tikanda.h"

namespace tikanda {

FrmTikanda::FrmTikanda(Services& svc, ProgramState& program) : m_svc(svc), m_program(program) {
    Texts.fill("");
    // The tick runs from the window's creation to the program's end.
    m_tmrAlarm = m_svc.timers.createSecondTimer([this] {
        tmrAlarm_Timer();
        settleFocus();
    });
}

FrmTikanda::~FrmTikanda() = default;

FrmAlarm& FrmTikanda::loadAlarmWindow() {
    // The window before may be unloaded from inside its own tick (a dismissal processed
    // there, then this alarm): it must outlive that tick.
    if (m_alarm && m_alarm->ticking()) m_replacedAlarms.push_back(std::move(m_alarm));
    // The run stands still while the window is open, and counts on once it goes.
    m_run.hold(runNow());
    m_alarm = std::make_unique<FrmAlarm>(
        m_svc, m_program, *m_tmrAlarm,
        [this] { std::erase_if(m_replacedAlarms, [](const auto& a) { return !a->ticking(); }); },
        [this] {
            m_shownAlarm.reset();
            m_run.release(runNow());
            syncRunState();
        });
    m_svc.windows.alarmWindowLoaded(*m_alarm);
    m_alarm->Form_Load();
    return *m_alarm;
}

void FrmTikanda::unloadAlarmWindow() {
    if (auto* a = frmAlarm()) a->KonecAlarmu();
}

} // namespace tikanda
