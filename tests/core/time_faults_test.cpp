// The wall clock misbehaving under a run: steps of an hour forward and back, the local
// time jumping at a daylight-saving change, a very long stopwatch, and runs that go on
// while an alarm window holds the main tick. A countdown and a stopwatch count ticks, not
// the clock; a time-of-day alarm is raised exactly once whatever the clock does.

#include "fakes.h"

#include <gtest/gtest.h>

#include <string>

namespace tikanda::test {
namespace {

constexpr Seconds kHour = 3600;

class TimeFaults : public ::testing::Test {
protected:
    Rig rig;
    FrmTikanda& w = rig.w;

    void start(form::Control& opt, const std::string& h, const std::string& m,
               const std::string& s) {
        w.optV.Value = w.optZa.Value = w.optS.Value = false;
        opt.Value = true;
        w.txtHod.Text = h;
        w.txtMin.Text = m;
        w.txtSec.Text = s;
        w.cmdOK_Click();
        ASSERT_EQ(w.RunState, 1);
    }
    // The next tick sees the clock moved by `delta` (instead of one second).
    void jumpTick(Seconds delta) {
        rig.clock.advance(delta);
        rig.timers.fireAll();
    }
    int alarms() const { return rig.windows.loaded; }
    std::string clockShown() const { return w.lblAktualni.Caption; }
    void dismiss() {
        ASSERT_NE(w.frmAlarm(), nullptr);
        w.frmAlarm()->Form_Click();
        ASSERT_EQ(w.frmAlarm(), nullptr);
    }
    // Ticks until an alarm window opens (at most `limit` ticks); the clock text then.
    std::string tickUntilAlarm(int limit) {
        const int before = alarms();
        for (int i = 0; i < limit && alarms() == before; ++i)
            rig.tick();
        return alarms() > before ? timetext::formatClock(rig.clock.t.second) : "no alarm";
    }
};

// ---- Time of day ----

TEST_F(TimeFaults, TimeOfDayStepForwardPastTheTargetFiresAtThatTickOnce) {
    rig.clock.set(9, 30, 0);
    start(w.optV, "10", "00", "00");
    rig.tick(5);
    EXPECT_EQ(alarms(), 0);
    jumpTick(kHour); // 10:30:05: the target was stepped over
    EXPECT_EQ(alarms(), 1);
    dismiss();
    rig.tick(int(2 * kHour));
    EXPECT_EQ(alarms(), 1);
}

TEST_F(TimeFaults, TimeOfDayStepForwardShortOfTheTargetWaitsForIt) {
    rig.clock.set(9, 30, 0);
    start(w.optV, "11", "00", "00");
    jumpTick(kHour);
    EXPECT_EQ(clockShown(), "10:30:00");
    EXPECT_EQ(alarms(), 0);
    EXPECT_EQ(w.lblStopky.ToolTipText, "0:30:00") << "time to go follows the clock";
    EXPECT_EQ(tickUntilAlarm(int(kHour)), "11:00:00");
    dismiss();
    rig.tick(int(kHour));
    EXPECT_EQ(alarms(), 1);
}

TEST_F(TimeFaults, TimeOfDayStepBackBeforeTheTargetWaitsForIt) {
    rig.clock.set(9, 55, 0);
    start(w.optV, "10", "00", "00");
    jumpTick(-kHour);
    EXPECT_EQ(clockShown(), "8:55:00");
    EXPECT_EQ(tickUntilAlarm(int(2 * kHour)), "10:00:00");
    dismiss();
    rig.tick(int(2 * kHour));
    EXPECT_EQ(alarms(), 1);
}

TEST_F(TimeFaults, TimeOfDayStepBackInsideTheTargetMinuteWaitsForTheTargetSecond) {
    rig.clock.set(10, 0, 5);
    start(w.optV, "10", "00", "30");
    rig.tick(5);
    jumpTick(-kHour); // 9:00:10
    EXPECT_EQ(alarms(), 0);
    EXPECT_EQ(tickUntilAlarm(int(2 * kHour)), "10:00:30");
}

TEST_F(TimeFaults, TimeOfDayStepBackAfterTheAlarmDoesNotRepeatIt) {
    rig.clock.set(9, 59, 0);
    start(w.optV, "10", "00", "00");
    EXPECT_EQ(tickUntilAlarm(120), "10:00:00");
    dismiss();
    jumpTick(-kHour);
    rig.tick(int(2 * kHour));
    EXPECT_EQ(alarms(), 1);
}

// Daylight saving: the local clock goes 1:59:59 -> 3:00:00 in spring and
// 2:59:59 -> 2:00:00 in autumn while one real second passes.
TEST_F(TimeFaults, TimeOfDayInTheSkippedHourFiresWhenTheHourIsSkipped) {
    rig.clock.set(1, 50, 0);
    start(w.optV, "2", "30", "00");
    while (rig.clock.t.second != 1 * 3600 + 59 * 60 + 59)
        rig.tick();
    EXPECT_EQ(alarms(), 0);
    jumpTick(kHour + 1);
    EXPECT_EQ(clockShown(), "3:00:00");
    EXPECT_EQ(alarms(), 1);
    dismiss();
    rig.tick(int(3 * kHour));
    EXPECT_EQ(alarms(), 1);
}

TEST_F(TimeFaults, TimeOfDayInTheRepeatedHourFiresOnce) {
    // Started in the first pass before the target: due in that pass, not again in the second.
    rig.clock.set(2, 10, 0);
    start(w.optV, "2", "30", "00");
    EXPECT_EQ(tickUntilAlarm(int(kHour)), "02:30:00");
    dismiss();
    while (rig.clock.t.second != 2 * 3600 + 59 * 60 + 59)
        rig.tick();
    jumpTick(-kHour + 1);
    EXPECT_EQ(clockShown(), "2:00:00");
    rig.tick(int(2 * kHour));
    EXPECT_EQ(alarms(), 1);
}

TEST_F(TimeFaults, TimeOfDayStartedAfterTheTargetInTheFirstPassFiresInTheSecond) {
    rig.clock.set(2, 40, 0);
    start(w.optV, "2", "30", "00");
    while (rig.clock.t.second != 2 * 3600 + 59 * 60 + 59)
        rig.tick();
    EXPECT_EQ(alarms(), 0);
    jumpTick(-kHour + 1);
    EXPECT_EQ(tickUntilAlarm(int(kHour)), "02:30:00");
    dismiss();
    rig.tick(int(2 * kHour));
    EXPECT_EQ(alarms(), 1);
}

// ---- Countdown and stopwatch: ticks, not the clock ----

struct ClockFault {
    const char* name;
    int startSecond; // of the day, when the run starts
    int ticksBefore; // ticks before the fault
    Seconds step;    // how far the clock moves at the faulty tick
};

class CountingThroughClockFaults : public TimeFaults,
                                   public ::testing::WithParamInterface<ClockFault> {};

TEST_P(CountingThroughClockFaults, CountdownFiresAtItsOwnTickOnce) {
    const ClockFault f = GetParam();
    rig.clock.t.second = f.startSecond;
    start(w.optZa, "0", "05", "00");
    rig.tick(f.ticksBefore);
    jumpTick(f.step);
    EXPECT_EQ(w.RunTime, 300 - f.ticksBefore - 1);
    EXPECT_EQ(w.lblStopky.Caption, timetext::format(300 - f.ticksBefore - 1));
    EXPECT_EQ(clockShown(), timetext::format(rig.clock.t.second));
    rig.tick(300 - f.ticksBefore - 2);
    EXPECT_EQ(alarms(), 0);
    rig.tick();
    EXPECT_EQ(alarms(), 1);
    EXPECT_EQ(w.lblStopky.Caption, "0:00:00");
    dismiss();
    rig.tick(int(kHour));
    EXPECT_EQ(alarms(), 1);
}

TEST_P(CountingThroughClockFaults, StopwatchCountsTicks) {
    const ClockFault f = GetParam();
    rig.clock.t.second = f.startSecond;
    start(w.optS, "0", "00", "00");
    rig.tick(f.ticksBefore);
    jumpTick(f.step);
    rig.tick(99);
    EXPECT_EQ(w.RunTime, f.ticksBefore + 100);
    EXPECT_EQ(w.lblStopky.Caption, timetext::format(f.ticksBefore + 100));
    w.Stopka();
    ASSERT_FALSE(rig.messages.shown.empty());
    EXPECT_EQ(rig.messages.shown.back().text, "Čas " + timetext::format(f.ticksBefore + 100));
    EXPECT_EQ(alarms(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    TimeFaults, CountingThroughClockFaults,
    ::testing::Values(ClockFault{"StepForwardAnHour", 9 * 3600, 100, kHour},
                      ClockFault{"StepBackAnHour", 9 * 3600, 100, -kHour},
                      ClockFault{"StepBackAcrossMidnight", 10, 20, -kHour},
                      ClockFault{"SpringForward", 1 * 3600 + 58 * 60, 119, kHour + 1},
                      ClockFault{"AutumnBack", 2 * 3600 + 58 * 60, 119, -kHour + 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TimeFaults, StopwatchRunsAHundredHours) {
    rig.clock.set(12, 0, 0);
    start(w.optS, "0", "00", "00");
    // The tick itself, as the timer would call it, with the clock moving on each time.
    auto run = [&](int ticks) {
        for (int i = 0; i < ticks; ++i) {
            rig.clock.advance(1);
            w.tmrAlarm_Timer();
        }
    };
    run(86400);
    EXPECT_EQ(w.lblStopky.Caption, "24:00:00");
    EXPECT_EQ(clockShown(), "12:00:00");
    run(360000 - 86400 - 1);
    EXPECT_EQ(w.lblStopky.Caption, "99:59:59");
    run(1);
    EXPECT_EQ(w.RunTime, 360000);
    EXPECT_EQ(w.lblStopky.Caption, "100:00:00");
    EXPECT_EQ(clockShown(), "16:00:00"); // four days and four hours later
    w.Stopka();
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.messages.shown[0].text, "Čas 100:00:00");
}

// ---- Runs while an alarm window holds the main tick ----

class WhileAnAlarmIsShown : public TimeFaults {
protected:
    // An alarm from a short countdown, its window left open.
    void SetUp() override {
        rig.clock.set(9, 0, 0);
        start(w.optZa, "0", "00", "02");
        rig.tick(2);
        ASSERT_EQ(alarms(), 1);
        ASSERT_FALSE(rig.mainTimer().enabled());
    }
};

TEST_F(WhileAnAlarmIsShown, ACountdownWaitsAndResumesAfterTheDismissal) {
    start(w.optZa, "0", "00", "05");
    rig.tick(30);
    EXPECT_EQ(w.RunTime, 5) << "no main tick while the alarm window is open";
    EXPECT_EQ(w.lblStopky.Caption, "0:00:05");
    EXPECT_EQ(alarms(), 1);

    dismiss();
    EXPECT_TRUE(rig.mainTimer().enabled());
    rig.tick(4);
    EXPECT_EQ(w.lblStopky.Caption, "0:00:01");
    EXPECT_EQ(alarms(), 1);
    rig.tick();
    EXPECT_EQ(alarms(), 2);
    dismiss();
    rig.tick(60);
    EXPECT_EQ(alarms(), 2);
}

TEST_F(WhileAnAlarmIsShown, ATimeOfDayDueMeanwhileFiresAtTheFirstTickAfterOnce) {
    start(w.optV, "9", "00", "30"); // now 9:00:02
    rig.tick(120);                  // the target minute passes while the window is open
    EXPECT_EQ(alarms(), 1);
    dismiss();
    rig.tick();
    EXPECT_EQ(alarms(), 2);
    dismiss();
    rig.tick(int(kHour));
    EXPECT_EQ(alarms(), 2);
}

TEST_F(WhileAnAlarmIsShown, TheAlarmWindowKeepsCountingThroughClockSteps) {
    FrmAlarm& a = *w.frmAlarm();
    rig.tick(10);
    EXPECT_EQ(a.lblAlarm[2].Caption, "\u20130:00:10");
    jumpTick(kHour);
    EXPECT_EQ(a.lblAlarm[2].Caption, "\u20131:00:10");
    jumpTick(-kHour);
    EXPECT_EQ(a.lblAlarm[2].Caption, "\u20130:00:10");
    EXPECT_TRUE(a.Visible);
    EXPECT_EQ(alarms(), 1);
}

} // namespace
} // namespace tikanda::test
