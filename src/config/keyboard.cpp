// Window-level key releases (key preview is on, so they arrive before the focused
// control's). Every row below is tested in turn and every matching row acts.

#include "core/frm_tikanda.h"

namespace tikanda {

using form::Control;

void FrmTikanda::Form_KeyUp(int KeyCode, int Shift) {
    constexpr int Ctrl = shiftstate::Ctrl;
    constexpr int CtrlAlt = shiftstate::Ctrl | shiftstate::Alt;

    // Any ordinary key dismisses the alarm window. Codes from F14 up are left alone,
    // so the F16 presses the alarm sends itself never dismiss it.
    if (program().AlarmUp && KeyCode >= 1 && KeyCode <= vk::F13) {
        unloadAlarmWindow();
        program().AlarmUp = false;
    }

    if (KeyCode == vk::Escape && runState() == RunState::Running) PressMnuIkona();

    // Without the menu bar these keys stand in for the menu shortcuts; the guards
    // stand in for the enabled state of the menu items.
    if (!mnuStopky.Visible) {
        if (KeyCode == vk::F2 && tlbCas.button("Start").Enabled) cmdOK_Click();
        if (KeyCode == vk::F3 && tlbCas.button("Pauza").Enabled) Pauza();
        if (KeyCode == vk::F4 && tlbCas.button("Stop").Enabled) Stopka();
        if (Shift == Ctrl && KeyCode == vk::D) Aktivace("Default");
        if (Shift == Ctrl && KeyCode == vk::I) PressMnuIkona();
        if (Shift == Ctrl && KeyCode == vk::T) TextAlarmu();
        if (Shift == Ctrl && KeyCode == vk::W && program().SoundMode >= 0) SelectSound();
        if (Shift == Ctrl && KeyCode == vk::Z && program().SoundMode >= 0) mnuZvuk_Click();
    }

    // Ctrl+Alt+F4 ends the program at once: no question, nothing saved.
    if (Shift == CtrlAlt && KeyCode == vk::F4) {
        Answer = 1;
        dropRun();
        services().exit.endNow(0);
        return;
    }
}

} // namespace tikanda
