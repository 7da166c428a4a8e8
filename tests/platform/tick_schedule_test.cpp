#include "platform/tick_schedule.h"

#include <gtest/gtest.h>

#include <vector>

using tikanda::TickSchedule;

namespace {

constexpr std::int64_t kBase = 1'700'000'000'000; // a whole second, ms since the epoch

// Drives a schedule the way the Qt timer does: fire, maybe tick, re-arm from the wall
// clock. latency(i) is how late the i-th firing comes; work is the time a tick takes.
struct SimulatedTimer {
    TickSchedule schedule;
    std::int64_t now;
    std::vector<std::int64_t> ticks; // wall-clock moments of the ticks

    explicit SimulatedTimer(std::int64_t start) : now(start) {
        now += TickSchedule::delayToNextTick(now);
    }
    void fireOnce(std::int64_t latency, std::int64_t work) {
        now += latency;
        if (schedule.fire(now)) {
            ticks.push_back(now);
            now += work;
        }
        now += TickSchedule::delayToNextTick(now);
    }
};

} // namespace

TEST(TickSchedule, NextTickFallsJustAfterTheNextBoundary) {
    const int off = TickSchedule::kOffsetMs;
    EXPECT_EQ(TickSchedule::delayToNextTick(kBase), 1000 + off);
    EXPECT_EQ(TickSchedule::delayToNextTick(kBase + off), 1000);
    EXPECT_EQ(TickSchedule::delayToNextTick(kBase + 999), 1 + off);
    EXPECT_EQ(TickSchedule::delayToNextTick(kBase + 500), 500 + off);
    // Before 1970 the boundaries are whole seconds too.
    EXPECT_EQ(TickSchedule::delayToNextTick(-1), 1 + off);
    EXPECT_EQ(TickSchedule::delayToNextTick(-1000), 1000 + off);
}

TEST(TickSchedule, SixHundredTicksTakeSixHundredSecondsWhateverTheLatency) {
    SimulatedTimer t(kBase + 250);
    for (int i = 0; i < 600; ++i)
        t.fireOnce(/*latency*/ (i * 7) % 9, /*work*/ 2 + i % 30);
    ASSERT_EQ(t.ticks.size(), 600u);
    // The first tick falls in second 1, the 600th in second 600: no drift.
    EXPECT_EQ((t.ticks.front() - kBase) / 1000, 1);
    EXPECT_EQ((t.ticks.back() - kBase) / 1000, 600);
    for (std::size_t i = 1; i < t.ticks.size(); ++i)
        EXPECT_EQ(t.ticks[i] / 1000 - t.ticks[i - 1] / 1000, 1) << "tick " << i;
}

TEST(TickSchedule, AnEarlyFiringDoesNotCountTheSameSecondTwice) {
    TickSchedule s;
    ASSERT_TRUE(s.fire(kBase + 3));
    // The next firing comes 2 ms before the boundary: the second was already ticked.
    EXPECT_FALSE(s.fire(kBase + 998));
    EXPECT_EQ(TickSchedule::delayToNextTick(kBase + 998), 2 + TickSchedule::kOffsetMs);
    EXPECT_TRUE(s.fire(kBase + 1003));
    EXPECT_EQ(s.lastTickedSecond(), kBase / 1000 + 1);
}

TEST(TickSchedule, ClockStepsGiveOneTickAndRealign) {
    SimulatedTimer t(kBase);
    t.fireOnce(0, 1);
    t.fireOnce(0, 1);
    ASSERT_EQ(t.ticks.size(), 2u);

    // Clock set forward an hour while waiting: the pending firing is one tick, and the
    // next one falls just after a boundary of the new time.
    t.now += 3600 * 1000 + 420;
    t.fireOnce(0, 1);
    t.fireOnce(0, 1);
    ASSERT_EQ(t.ticks.size(), 4u);
    EXPECT_EQ(t.ticks[3] % 1000, TickSchedule::kOffsetMs);
    EXPECT_EQ(t.ticks[3] / 1000 - t.ticks[2] / 1000, 1);

    // Clock set back an hour: still one tick per firing, never a pause of an hour.
    t.now -= 3600 * 1000 + 250;
    t.fireOnce(0, 1);
    t.fireOnce(0, 1);
    ASSERT_EQ(t.ticks.size(), 6u);
    EXPECT_LT(t.ticks[4], t.ticks[3]);
    EXPECT_EQ(t.ticks[5] / 1000 - t.ticks[4] / 1000, 1);
    EXPECT_EQ(t.ticks[5] % 1000, TickSchedule::kOffsetMs); // aligned again after one firing

    // Clock set back by half a second: that second was shown already, so the firing only
    // re-arms and the next boundary brings the tick.
    t.now -= 500;
    const auto before = t.ticks.size();
    t.fireOnce(0, 1);
    EXPECT_EQ(t.ticks.size(), before);
    t.fireOnce(0, 1);
    EXPECT_EQ(t.ticks.size(), before + 1);
    EXPECT_EQ(t.ticks.back() % 1000, TickSchedule::kOffsetMs);
}

TEST(TickSchedule, AHeldUpTimerTicksOnceNotInABurst) {
    SimulatedTimer t(kBase);
    t.fireOnce(0, 1);
    t.fireOnce(4500, 1); // the event loop was blocked for 4.5 s
    t.fireOnce(0, 1);
    ASSERT_EQ(t.ticks.size(), 3u);
    EXPECT_EQ(t.ticks[2] / 1000 - t.ticks[1] / 1000, 1);
}
