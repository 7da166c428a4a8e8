#pragma once
// The alarm window: shows the alarm text, the moment of the alarm and the time since,
// repeats the sound once a minute and closes on a click or an ordinary key.

#include "core/program_state.h"
#include "platform/interfaces.h"
#include "form/form_windows.h"

#include <functional>
#include <memory>

namespace tikanda {

class FrmAlarm : public form::FrmAlarmModel {
public:
    // mainTimer: the main window's tick, switched off while this window exists.
    // afterTick runs at the end of every tick of this window, when nothing of the window is
    // in use any more: the owner may destroy it there. unloaded runs when it is unloaded.
    FrmAlarm(Services& svc, ProgramState& program, Timer& mainTimer,
             std::function<void()> afterTick = {}, std::function<void()> unloaded = {});
    ~FrmAlarm();

    // Event handlers.
    void Form_Load();
    void Form_Unload(int& Cancel);
    void Form_Click();
    void Form_KeyUp(int KeyCode, int Shift);
    void lblAlarm_Click(int Index);
    void tmrAlarm_Timer();

    // Hides the window, then unloads it. The object stays until its owner drops it.
    void KonecAlarmu();

    bool unloaded() const { return m_unloaded; }
    // Inside its own tick (which processes events, and so may run anything).
    bool ticking() const { return m_ticking > 0; }
    LocalMoment AnnounceTime;

private:
    Services& m_svc;
    ProgramState& m_program;
    Timer& m_mainTimer;
    std::function<void()> m_afterTick;
    std::function<void()> m_unloadedHook;
    std::unique_ptr<Timer> m_timer;
    bool m_unloaded = false;
    int m_ticking = 0;
};

} // namespace tikanda
