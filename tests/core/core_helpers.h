#pragma once
// Common set-up of the run tests: a main window on the fake platform with an alarm text
// and a sound file, runs started as the user starts them, and the run commands' state.

#include "fakes.h"

#include <gtest/gtest.h>

namespace tikanda::test {

class CoreTest : public ::testing::Test {
protected:
    Rig rig;
    FrmTikanda& w = rig.w;

    void SetUp() override {
        w.AlarmText = "Budíček!";
        rig.program.SoundFile = "/snd/alarm.wav";
    }
    // Selects the mode, fills the fields as typed and presses OK.
    void start(form::Control& opt, const std::string& h = "0", const std::string& m = "05",
               const std::string& s = "00") {
        w.optV.Value = w.optZa.Value = w.optS.Value = false;
        opt.Value = true;
        w.txtHod.Text = h;
        w.txtMin.Text = m;
        w.txtSec.Text = s;
        w.cmdOK_Click();
    }
    // Ticks n times a second apart; at tick `faultAt` (counted from 1) the wall clock moves
    // by `step` instead (set forward or back). The clock time at which each alarm opened;
    // each is dismissed at once.
    std::vector<std::string> alarmsDuring(int n, int faultAt = 0, Seconds step = 1) {
        std::vector<std::string> at;
        for (int i = 1; i <= n; ++i) {
            rig.clock.advance(1);
            if (i == faultAt) rig.clock.jump(step - 1);
            rig.timers.fireAll();
            if (FrmAlarm* a = w.frmAlarm()) {
                at.push_back(timetext::formatClock(rig.clock.t.second));
                a->Form_Click();
            }
        }
        return at;
    }

    // The run commands in one line: RunState; OK, fraNastav, fraAlarm enabled; the mode and
    // field menu items enabled; Start, Pause, Stop enabled in the menu, then on the toolbar;
    // Storno's caption and topic.
    std::string look() {
        auto on = [](bool b) { return b ? '1' : '0'; };
        std::string s = std::to_string(int(w.runState())) + " " + on(w.cmdOK.Enabled) +
                        on(w.fraNastav.Enabled) + on(w.fraAlarm.Enabled) + " ";
        for (auto* m : {&w.mnuV, &w.mnuP, &w.mnuS, &w.mnuHod, &w.mnuMin, &w.mnuSec})
            s += on(m->Enabled);
        s += " ";
        for (auto* m : {&w.mnuStart, &w.mnuPauza, &w.mnuStop})
            s += on(m->Enabled);
        for (const char* key : {"Start", "Pauza", "Stop"})
            s += on(w.tlbCas.button(key).Enabled);
        return s + " " + w.cmdStorno.Caption + " " + std::to_string(w.cmdStorno.WhatsThisHelpID);
    }
    static constexpr const char* kStopped = "0 111 111111 100100 Storno 13027";
};

} // namespace tikanda::test
