// The tick: the clock display, the target and its mark, and a run's time coming while the
// wall clock steps forward or back (daylight saving too) and while an alarm window is open.

#include "core_helpers.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <tuple>

namespace tikanda::test {
namespace {

constexpr Seconds kHour = 3600;
using Tick = CoreTest;
using TimeFaults = CoreTest;

TEST_F(Tick, TheClockShowsOnlyWhileNotMinimised) {
    rig.clock.set(23, 59, 59);
    start(w.optV, "14", "30", "20");
    rig.tick();
    EXPECT_EQ(w.lblAktualni.Caption + " " + w.lblAktualni.ToolTipText, "0:00:00 day 20001");
    w.WinMin(1);
    rig.tick(); // a minimised run shows in the caption only
    EXPECT_EQ(w.Caption + " " + w.lblAktualni.Caption, "V 14:30:20 alarm: Budíček! 0:00:00");
}

TEST_F(Tick, CasComposesTheTargetAndPlacesTheMarkIndependently) {
    // The mark takes hours and minutes as numbers, also where the time is invalid; a field
    // that is no number leaves it at 3 o'clock (angle 0).
    const std::tuple<const char*, const char*, Seconds, double> cases[] = {
        {"7", "05", 7 * 3600 + 5 * 60, 2.0758889},
        {"", "05", 0, 0},
        {"25", "00", 0, 11.4871667},
        {"7", "5x", 0, 0}};
    for (const auto& [h, m, result, angle] : cases) {
        SCOPED_TRACE(std::string(h) + ":" + m);
        std::tie(w.txtHod.Text, w.txtMin.Text, w.txtSec.Text) = std::tuple(h, m, "00");
        EXPECT_EQ(w.Cas(), result);
        EXPECT_NEAR(w.linAlarm.X2, 300 * std::cos(angle) + 480, 0.01);
        EXPECT_NEAR(w.linAlarm.Y2, 300 * std::sin(angle) + 720, 0.01);
    }
}

// Due in the target minute from the target second on, or at the first tick after the clock
// passed it. Daylight saving: 1:59:59 -> 3:00:00 in spring, 2:59:59 -> 2:00:00 in autumn.
TEST_F(TimeFaults, TimeOfDayFiresOnceAtTheRightTick) {
    const struct {
        const char* name;
        int h, m, s;              // the clock at the start
        const char *th, *tm, *ts; // the target
        int faultAt;              // the tick at which the clock moves by `step`
        Seconds step;
        const char* toGo;                 // the tooltip after that tick, where checked
        std::vector<std::string> firesAt; // the clock at each alarm
    } cases[] = {
        {"before the target", 14, 29, 0, "14", "30", "20", 1, 1, "0:01:19", {"14:30:20"}},
        {"in the minute, after it", 14, 30, 40, "14", "30", "20", 1, 1, nullptr, {"14:30:41"}},
        {"after the minute: tomorrow", 14, 31, 0, "14", "30", "20", 1, 1, "23:59:19", {}},
        {"midnight", 23, 59, 58, "0", "00", "00", 1, 1, "0:00:01", {"00:00:00"}},
        {"suspended over midnight", 23, 59, 0, "23", "59", "30", 1, 360, nullptr, {"00:05:00"}},
        {"forward short of it", 9, 30, 0, "11", "00", "00", 1, kHour, "0:30:00", {"11:00:00"}},
        {"back before it", 9, 55, 0, "10", "00", "00", 1, -kHour, "1:05:00", {"10:00:00"}},
        {"back from its minute", 10, 0, 5, "10", "00", "30", 6, -kHour, "1:00:20", {"10:00:30"}},
        {"spring, skipped hour", 1, 50, 0, "2", "30", "00", 600, kHour + 1, nullptr, {"03:00:00"}},
        {"autumn, first pass", 2, 10, 0, "2", "30", "00", 3000, 1 - kHour, nullptr, {"02:30:00"}},
        {"autumn, next pass", 2, 40, 0, "2", "30", "00", 1200, 1 - kHour, "0:30:00", {"02:30:00"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        rig.clock.set(c.h, c.m, c.s);
        start(w.optV, c.th, c.tm, c.ts);
        auto at = alarmsDuring(c.faultAt, c.faultAt, c.step);
        if (c.toGo) EXPECT_EQ(w.lblStopky.ToolTipText, c.toGo);
        std::ranges::copy(alarmsDuring(int(3 * kHour)), std::back_inserter(at));
        EXPECT_EQ(at, c.firesAt);
    }
}

// A countdown of 0:00:20 and a stopwatch, each through a fault after its third tick: the
// machine asleep (time passes, no tick runs), the wall clock set, a pause while asleep. Then
// the display at the next tick and the clock at the alarm.
TEST_F(TimeFaults, CountdownAndStopwatchCountTheSecondsThatPassed) {
    const struct {
        const char* name;
        bool countdown;
        Seconds asleep, clockSet;
        bool paused;
        const char* shown;
        std::vector<std::string> alarms;
    } cases[] = {
        {"asleep 8 s", true, 8, 0, false, "0:00:08", {"09:00:20"}},
        {"asleep past the end", true, 30, 0, false, "0:00:00", {"09:00:34"}},
        {"clock set an hour on", true, 0, kHour, false, "0:00:16", {"10:00:20"}},
        {"clock set an hour back", true, 0, -kHour, false, "0:00:16", {"08:00:20"}},
        {"paused, asleep", true, 100, 0, true, "0:00:16", {"09:02:00"}},
        {"asleep 6 s", false, 6, 0, false, "0:00:10", {}},
        {"clock set an hour back", false, 0, -kHour, false, "0:00:04", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.countdown ? "countdown, " : "stopwatch, ") + c.name);
        rig.clock.set(9, 0, 0);
        start(c.countdown ? w.optZa : w.optS, "0", "00", c.countdown ? "20" : "00");
        rig.tick(3);
        if (c.paused) w.Pauza();
        rig.clock.advance(c.asleep);
        rig.clock.jump(c.clockSet);
        if (c.paused) w.cmdOK_Click();
        auto at = alarmsDuring(1);
        EXPECT_EQ(w.lblStopky.Caption, c.shown);
        std::ranges::copy(alarmsDuring(130), std::back_inserter(at));
        EXPECT_EQ(at, c.alarms);
        if (!c.countdown) w.Stopka();
    }
}

// The ticks fall just after each wall-clock second, some late: a run started within a
// second counts its first tick as a whole second, and a tick out of step (the program just
// let go after being held up) neither repeats nor skips a second.
TEST_F(TimeFaults, TheCountFollowsTheWallClockSecond) {
    rig.clock.advanceMs(700);
    start(w.optS, "0", "00", "00");
    std::vector<Seconds> counts;
    for (const std::int64_t ms : {301, 1039, 962, 8299, 702}) {
        rig.clock.advanceMs(ms);
        rig.timers.fireAll();
        counts.push_back(w.run().value(w.runNow()));
    }
    EXPECT_EQ(counts, (std::vector<Seconds>{1, 2, 3, 11, 12}));
}

TEST_F(TimeFaults, StopwatchRunsAHundredHoursAndResumesFromThem) {
    start(w.optS, "0", "00", "00");
    rig.tick(360000);
    w.Pauza();
    w.cmdOK_Click();
    EXPECT_EQ(w.lblStopky.Caption, "100:00:00");
    w.WinMin(1);
    rig.tick();
    EXPECT_EQ(w.Caption, "100:00:01 - stopky");
}

// A countdown from zero fires at the first tick, one second over. While its alarm window is
// open a countdown started meanwhile stands still, display and count alike (a pause there
// holds what the screen shows), and counts on once the window goes; a time-of-day target
// passed meanwhile rings at the first tick after it.
TEST_F(TimeFaults, ARunStartedWhileAnAlarmWindowIsOpenStandsStillUntilItGoes) {
    const struct {
        form::Control& opt;
        const char *h, *m, *s, *shown;
        std::vector<std::string> alarms;
    } cases[] = {
        {w.optZa, "0", "00", "05", "0:00:05", {"09:00:36"}},
        {w.optS, "0", "00", "05", "0:00:05", {}},
        {w.optV, "9", "00", "10", "9:00:10", {"09:00:32"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.opt.Name);
        rig.clock.set(9, 0, 0);
        start(w.optZa, "0", "00", "00");
        rig.tick();
        ASSERT_NE(w.frmAlarm(), nullptr);
        EXPECT_EQ(w.lblStopky.Caption, "0:00:01");
        start(c.opt, c.h, c.m, c.s);
        rig.tick(30);
        EXPECT_EQ(w.lblStopky.Caption, c.shown);
        if (&c.opt != &w.optV) {
            w.Pauza();
            EXPECT_EQ(w.lblStopky.Caption, c.shown);
            w.cmdOK_Click();
        }
        w.frmAlarm()->Form_Click();
        EXPECT_EQ(alarmsDuring(6), c.alarms);
        if (&c.opt == &w.optS) EXPECT_EQ(w.lblStopky.Caption, "0:00:11");
        if (w.runState() != RunState::Stopped) w.Stopka();
    }
}

} // namespace
} // namespace tikanda::test
