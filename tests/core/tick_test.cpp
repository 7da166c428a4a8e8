#include "core_helpers.h"

#include <cmath>

namespace tikanda::test {
namespace {

using Tick = CoreTest;

TEST_F(Tick, TheClockShowsOnlyWhileNotMinimisedAndOnlyARunningRunCounts) {
    rig.clock.set(23, 59, 58);
    rig.tick();
    EXPECT_EQ(w.lblAktualni.Caption, "23:59:59");
    EXPECT_EQ(w.lblAktualni.ToolTipText, "day 20000");
    rig.tick();
    EXPECT_EQ(w.lblAktualni.Caption, "0:00:00");
    EXPECT_EQ(w.lblAktualni.ToolTipText, "day 20001");

    start(w.optV, "14", "30", "20");
    w.WinMin(1);
    rig.tick(); // a minimised run shows in the caption only
    EXPECT_EQ(w.Caption, "V 14:30:20 alarm: Budíček!");
    EXPECT_EQ(w.lblStopky.ToolTipText, "Pravé tlačítko myši nastaví barvu");
    w.Pauza();
    w.Caption = "paused";
    rig.tick(5);
    EXPECT_EQ(w.Caption, "paused");
    EXPECT_EQ(w.lblAktualni.Caption, "0:00:00");
}

TEST_F(Tick, CasComposesTheTargetAndPlacesTheMarkIndependently) {
    // The mark takes hours and minutes as numbers, also where the time is invalid; a field
    // that is no number leaves it at 3 o'clock (angle 0).
    const struct {
        const char *h, *m;
        Seconds result;
        double angle;
    } cases[] = {{"7", "05", 7 * 3600 + 5 * 60, 2.0758889},
                 {"", "05", 0, 0},
                 {"25", "00", 0, 11.4871667},
                 {"7", "5x", 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.h) + ":" + c.m);
        w.txtHod.Text = c.h;
        w.txtMin.Text = c.m;
        w.txtSec.Text = "00";
        EXPECT_EQ(w.Cas(), c.result);
        EXPECT_NEAR(w.linAlarm.X1, 280 * std::cos(c.angle) + 480, 0.01);
        EXPECT_NEAR(w.linAlarm.Y1, 280 * std::sin(c.angle) + 720, 0.01);
        EXPECT_NEAR(w.linAlarm.X2, 300 * std::cos(c.angle) + 480, 0.01);
        EXPECT_NEAR(w.linAlarm.Y2, 300 * std::sin(c.angle) + 720, 0.01);
    }
}

TEST_F(Tick, TimeOfDayFiresAtTheRightTickAndShowsTheTimeToGo) {
    const struct {
        const char* name;
        int h, m, s;              // the clock at the start
        const char *th, *tm, *ts; // the target
        int firstStep;            // seconds the clock moves before the first tick
        const char* toGo;         // tooltip after the first tick
        int firesAt;              // tick
    } cases[] = {{"before the target", 14, 29, 0, "14", "30", "20", 1, "0:01:19", 80},
                 {"in the target minute, after it", 14, 30, 40, "14", "30", "20", 1, nullptr, 1},
                 {"after the target minute", 14, 31, 0, "14", "30", "20", 1, "23:59:19", 86360},
                 {"earlier target", 8, 59, 59, "8", "00", "00", 1, "23:00:00", 82801},
                 {"target reached", 8, 59, 59, "9", "00", "00", 1, "0:00:00", 1},
                 {"across midnight", 23, 49, 59, "0", "10", "00", 1, "0:20:00", 1201},
                 {"midnight", 23, 59, 58, "0", "00", "00", 1, "0:00:01", 2},
                 {"suspended past the target", 14, 29, 0, "14", "30", "20", 360, nullptr, 1},
                 {"suspended over midnight", 23, 59, 0, "23", "59", "30", 360, nullptr, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        rig.clock.set(c.h, c.m, c.s);
        start(w.optV, c.th, c.tm, c.ts);
        const int before = alarms();
        rig.clock.advance(c.firstStep);
        rig.timers.fireAll();
        if (c.toGo) EXPECT_EQ(w.lblStopky.ToolTipText, c.toGo);
        int n = 1;
        for (; alarms() == before && n < 90000; ++n)
            rig.tick();
        EXPECT_EQ(n, c.firesAt);
        EXPECT_EQ(alarms(), before + 1);
        if (w.frmAlarm()) w.frmAlarm()->KonecAlarmu();
    }
}

TEST_F(Tick, ACountdownFromZeroFiresAtOnceOneSecondOver) {
    start(w.optZa, "0", "00", "00");
    rig.tick();
    EXPECT_EQ(alarms(), 1);
    EXPECT_EQ(w.lblStopky.Caption, "0:00:01");
}

TEST_F(Tick, AStopwatchCountsUpFromTheFieldsAndResumesBeyondADay) {
    start(w.optS, "0", "05", "00");
    rig.tick();
    EXPECT_EQ(w.lblStopky.Caption, "0:05:01");
    w.RunTime = 100 * 3600 + 4;
    rig.tick();
    EXPECT_EQ(w.lblStopky.Caption, "100:00:05");
    w.Pauza();
    w.cmdOK_Click();
    EXPECT_EQ(w.RunTime, 100 * 3600 + 5);
    w.WinMin(1);
    rig.tick();
    EXPECT_EQ(w.Caption, "100:00:06 - stopky");
    EXPECT_EQ(w.lblStopky.Caption, "100:00:05");
}

} // namespace
} // namespace tikanda::test
