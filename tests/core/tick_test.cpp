#include "fakes.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tikanda::test {
namespace {

class Tick : public ::testing::Test {
protected:
    Rig rig;
    FrmTikanda& w = rig.w;

    void SetUp() override { w.AlarmText = "Budíček!"; }
    void mode(form::Control& opt) {
        w.optV.Value = w.optZa.Value = w.optS.Value = false;
        opt.Value = true;
    }
    // Fills the fields as typed values and starts a run in the given mode.
    void start(form::Control& opt, const char* h, const char* m, const char* s) {
        mode(opt);
        w.txtHod.Text = h;
        w.txtMin.Text = m;
        w.txtSec.Text = s;
        w.cmdOK_Click();
        ASSERT_EQ(w.RunState, 1);
    }
    int alarms() const { return rig.windows.loaded; }
};

TEST_F(Tick, ShowsTheTimeOfDayAndTheDateAcrossMidnight) {
    rig.clock.set(23, 59, 58);
    rig.tick();
    EXPECT_EQ(w.lblAktualni.Caption, "23:59:59");
    EXPECT_EQ(w.lblAktualni.ToolTipText, "day 20000");
    rig.tick();
    EXPECT_EQ(w.lblAktualni.Caption, "0:00:00");
    EXPECT_EQ(w.lblAktualni.ToolTipText, "day 20001");
}

TEST_F(Tick, AMinimisedStoppedOrPausedWindowChangesNothing) {
    w.WindowState = 1;
    rig.tick(3);
    EXPECT_EQ(w.lblAktualni.Caption, "0:00:00");
    EXPECT_EQ(w.Caption, "Tikanda 1.2");

    w.WindowState = 0;
    start(w.optZa, "0", "05", "00");
    rig.tick(2);
    w.Pauza();
    rig.tick(5);
    EXPECT_EQ(w.lblStopky.Caption, "0:04:58");
    EXPECT_EQ(w.RunTime, 298);
}

TEST_F(Tick, CasComposesTheTargetAndPlacesTheMark) {
    w.txtHod.Text = "7";
    w.txtMin.Text = "05";
    w.txtSec.Text = "00";
    EXPECT_EQ(w.Cas(), 7 * 3600 + 5 * 60);
    const auto& l = w.linAlarm;
    EXPECT_NEAR(std::atan2(l.Y1 - 720, l.X1 - 480), 2.0759, 1e-4);
    EXPECT_NEAR(std::atan2(l.Y2 - 720, l.X2 - 480), 2.0759, 1e-4);
    EXPECT_NEAR(std::hypot(l.X1 - 480, l.Y1 - 720), 280, 0.01);
    EXPECT_NEAR(std::hypot(l.X2 - 480, l.Y2 - 720), 300, 0.01);

    w.txtHod.Text = "";
    EXPECT_EQ(w.Cas(), 0);
    EXPECT_FLOAT_EQ(l.X1, 760);
    EXPECT_FLOAT_EQ(l.Y1, 720);
    EXPECT_FLOAT_EQ(l.X2, 780);
    EXPECT_FLOAT_EQ(l.Y2, 720);
}

TEST_F(Tick, CasTimeAndMarkFailIndependently) {
    // 25 hours is no time of day, but still a number for the mark.
    w.txtHod.Text = "25";
    w.txtMin.Text = "00";
    w.txtSec.Text = "00";
    EXPECT_EQ(w.Cas(), 0);
    EXPECT_NE(w.linAlarm.X1, 760);
    // A minutes text that is not a number leaves the mark at 3 o'clock.
    w.txtHod.Text = "7";
    w.txtMin.Text = "5x";
    EXPECT_EQ(w.Cas(), 0);
    EXPECT_FLOAT_EQ(w.linAlarm.X1, 760);
    EXPECT_FLOAT_EQ(w.linAlarm.Y2, 720);
}

TEST_F(Tick, TimeOfDayFiresAtTheTargetSecond) {
    rig.clock.set(14, 29, 0);
    start(w.optV, "14", "30", "20");
    EXPECT_EQ(w.lblStopky.Caption, "14:30:20");
    rig.tick(79);
    EXPECT_EQ(alarms(), 0);
    EXPECT_EQ(w.lblStopky.ToolTipText, "0:00:01");
    rig.tick();
    EXPECT_EQ(alarms(), 1);
    EXPECT_EQ(w.RunState, 0);
}

TEST_F(Tick, ARunStartedInsideTheTargetMinuteFiresAtOnce) {
    rig.clock.set(14, 30, 40);
    start(w.optV, "14", "30", "20");
    rig.tick();
    EXPECT_EQ(alarms(), 1);
}

TEST_F(Tick, ARunStartedAfterTheTargetMinuteWaitsForTheNextDay) {
    rig.clock.set(14, 31, 0);
    start(w.optV, "14", "30", "20");
    rig.tick(600);
    rig.clock.set(14, 30, 9, 20001);
    rig.tick(10);
    EXPECT_EQ(alarms(), 0);
    rig.tick();
    EXPECT_EQ(alarms(), 1);
}

TEST_F(Tick, ATimeOfDayAlarmIsNeverLostToASuspend) {
    rig.clock.set(14, 29, 0);
    start(w.optV, "14", "30", "20");
    rig.tick(50);
    rig.clock.set(14, 35, 0); // resumed well after the target minute
    rig.timers.fireAll();
    EXPECT_EQ(alarms(), 1);

    // Also when the held-up time spans midnight.
    rig.tick(); // the alarm window is open: nothing
    rig.w.frmAlarm()->KonecAlarmu();
    rig.clock.set(23, 59, 0);
    start(w.optV, "23", "59", "30");
    rig.tick(10);
    rig.clock.set(0, 5, 0, 20001);
    rig.timers.fireAll();
    EXPECT_EQ(alarms(), 2);
}

TEST_F(Tick, TimeOfDayAcrossMidnight) {
    rig.clock.set(23, 49, 59);
    start(w.optV, "0", "10", "00");
    rig.tick();
    EXPECT_EQ(w.lblStopky.ToolTipText, "0:20:00");
    rig.tick(1199);
    EXPECT_EQ(alarms(), 0);
    EXPECT_EQ(w.lblAktualni.Caption, "0:09:59");
    rig.tick();
    EXPECT_EQ(alarms(), 1);
}

TEST_F(Tick, TargetMidnightFiresAtMidnight) {
    rig.clock.set(23, 59, 58);
    start(w.optV, "0", "00", "00");
    rig.tick();
    EXPECT_EQ(alarms(), 0);
    rig.tick();
    EXPECT_EQ(alarms(), 1);
    EXPECT_EQ(w.lblStopky.ToolTipText, "0:00:00");
}

TEST_F(Tick, TimeToGoAddsADayForAnEarlierTarget) {
    rig.clock.set(8, 59, 59);
    start(w.optV, "8", "00", "00");
    rig.tick();
    EXPECT_EQ(w.lblStopky.ToolTipText, "23:00:00");
    w.Stopka();

    rig.clock.set(8, 59, 59);
    start(w.optV, "10", "00", "00");
    rig.tick();
    EXPECT_EQ(w.lblStopky.ToolTipText, "1:00:00");
    w.Stopka();

    rig.clock.set(8, 59, 59);
    start(w.optV, "9", "00", "00");
    rig.tick();
    EXPECT_EQ(alarms(), 1);
    EXPECT_EQ(w.lblStopky.ToolTipText, "0:00:00");
}

TEST_F(Tick, MinimisedTimeOfDayRunShowsInTheCaption) {
    rig.clock.set(14, 0, 0);
    start(w.optV, "14", "30", "20");
    w.WinMin(1);
    rig.tick();
    EXPECT_EQ(w.Caption, "V 14:30:20 alarm: Budíček!");
    EXPECT_EQ(w.lblAktualni.Caption, "0:00:00");
    EXPECT_EQ(w.lblStopky.ToolTipText, "Pravé tlačítko myši nastaví barvu");
}

TEST_F(Tick, CountdownFromThreeSeconds) {
    start(w.optZa, "0", "00", "03");
    rig.tick();
    EXPECT_EQ(w.lblStopky.Caption, "0:00:02");
    EXPECT_EQ(w.lblStopky.ToolTipText, "Odečet času");
    rig.tick();
    EXPECT_EQ(w.lblStopky.Caption, "0:00:01");
    EXPECT_EQ(alarms(), 0);
    rig.tick();
    EXPECT_EQ(alarms(), 1);
    EXPECT_EQ(w.lblStopky.Caption, "0:00:00");
    EXPECT_EQ(w.RunTime, 0);
}

TEST_F(Tick, CountdownFromZeroFiresAtTheFirstTick) {
    start(w.optZa, "0", "00", "00");
    rig.tick();
    EXPECT_EQ(alarms(), 1);
    EXPECT_EQ(w.lblStopky.Caption, "0:00:01");
}

TEST_F(Tick, MinimisedCountdownShowsInTheCaptionUntilTheAlarmRestoresTheWindow) {
    start(w.optZa, "0", "00", "02");
    w.WinMin(1);
    rig.tick();
    EXPECT_EQ(w.Caption, "Za 0:00:01 alarm: Budíček!");
    EXPECT_EQ(w.lblStopky.Caption, "0:00:02");
    rig.tick();
    EXPECT_EQ(alarms(), 1);
    EXPECT_EQ(w.WindowState, 0);
    EXPECT_EQ(w.Caption, "Tikanda 1.3");
    EXPECT_EQ(w.lblStopky.Caption, "0:00:00");
}

TEST_F(Tick, CountdownAndStopwatchCountTicksNotTheClock) {
    rig.clock.set(23, 59, 58);
    start(w.optZa, "0", "00", "05");
    rig.tick(4);
    rig.clock.set(3, 0, 0, 20001); // a clock jump does not shorten the countdown
    EXPECT_EQ(alarms(), 0);
    rig.tick();
    EXPECT_EQ(alarms(), 1);
}

TEST_F(Tick, StopwatchCountsUpFromTheFields) {
    start(w.optS, "0", "00", "00");
    rig.tick(2);
    EXPECT_EQ(w.lblStopky.Caption, "0:00:02");
    w.Stopka();

    start(w.optS, "0", "05", "00");
    rig.tick();
    EXPECT_EQ(w.lblStopky.Caption, "0:05:01");
    EXPECT_EQ(alarms(), 0);
}

TEST_F(Tick, MinimisedStopwatchShowsInTheCaptionOnly) {
    start(w.optS, "0", "00", "00");
    w.WinMin(1);
    rig.tick(65);
    EXPECT_EQ(w.Caption, "0:01:05 - stopky");
    EXPECT_EQ(w.lblStopky.Caption, "0:00:00");
}

TEST_F(Tick, StopwatchBeyondADayPausesAndResumes) {
    start(w.optS, "0", "00", "00");
    w.RunTime = 100 * 3600 + 4;
    rig.tick();
    EXPECT_EQ(w.lblStopky.Caption, "100:00:05");
    w.Pauza();
    w.cmdOK_Click();
    EXPECT_EQ(w.RunTime, 100 * 3600 + 5);
    rig.tick();
    EXPECT_EQ(w.lblStopky.Caption, "100:00:06");
}

} // namespace
} // namespace tikanda::test
