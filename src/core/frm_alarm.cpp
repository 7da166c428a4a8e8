#include "core/frm_alarm.h"

namespace tikanda {

FrmAlarm::FrmAlarm(Services& svc, ProgramState& program, Timer& mainTimer)
    : m_svc(svc), m_program(program), m_mainTimer(mainTimer) {}
FrmAlarm::~FrmAlarm() = default;
void FrmAlarm::Form_Load() {}
void FrmAlarm::Form_Unload(int&) {}
void FrmAlarm::Form_Click() {}
void FrmAlarm::Form_KeyUp(int, int) {}
void FrmAlarm::lblAlarm_Click(int) {}
void FrmAlarm::tmrAlarm_Timer() {}
void FrmAlarm::KonecAlarmu() {}

} // namespace tikanda
