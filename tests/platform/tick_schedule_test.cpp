#include "platform/tick_schedule.h"

#include <gtest/gtest.h>

#include <vector>

using tikanda::TickSchedule;

namespace {

constexpr std::int64_t kBase = 1'700'000'000'000; // a whole second, ms since the epoch
constexpr int kOff = TickSchedule::kOffsetMs;

// Drives a schedule the way the Qt timer does: fire, maybe tick, re-arm from the wall
// clock. latency is how late a firing comes; work is the time a tick takes.
struct SimulatedTimer {
    TickSchedule schedule;
    std::int64_t now;
    std::vector<std::int64_t> ticks; // wall-clock moments of the ticks

    explicit SimulatedTimer(std::int64_t start)
        : now(start + TickSchedule::delayToNextTick(start)) {}
    void fire(std::int64_t latency = 0, std::int64_t work = 1) {
        now += latency;
        if (schedule.fire(now)) {
            ticks.push_back(now);
            now += work;
        }
        now += TickSchedule::delayToNextTick(now);
    }
};

} // namespace

TEST(TickSchedule, SixHundredTicksTakeSixHundredSecondsWhateverTheLatency) {
    SimulatedTimer t(kBase + 250);
    for (int i = 0; i < 600; ++i)
        t.fire(/*latency*/ (i * 7) % 9, /*work*/ 2 + i % 30);
    // Tick i falls in second i: none missed, doubled or drifting.
    ASSERT_EQ(t.ticks.size(), 600u);
    for (std::size_t i = 0; i < t.ticks.size(); ++i)
        ASSERT_EQ((t.ticks[i] - kBase) / 1000, std::int64_t(i) + 1) << "tick " << i;
}

TEST(TickSchedule, NoSecondIsCountedTwiceAndClockStepsRealign) {
    TickSchedule s;
    ASSERT_TRUE(s.fire(kBase + 3));
    EXPECT_FALSE(s.fire(kBase + 998)) << "2 ms early: that second was already ticked";
    EXPECT_TRUE(s.fire(kBase + 1003));
    EXPECT_EQ(TickSchedule::delayToNextTick(-1), 1 + kOff) << "before 1970 too";

    // A firing held up 4.5 s, the clock set forward an hour, then back an hour: each is
    // one tick (no burst, no pause of an hour), and the next falls just after a boundary.
    SimulatedTimer t(kBase);
    t.fire();
    for (std::int64_t step : {4500, 3600 * 1000 + 420, -(3600 * 1000 + 250)}) {
        const auto before = t.ticks.size();
        t.now += step;
        t.fire();
        t.fire();
        ASSERT_EQ(t.ticks.size(), before + 2) << step;
        EXPECT_EQ(t.ticks.back() % 1000, kOff) << step;
        EXPECT_EQ(t.ticks.back() / 1000 - t.ticks[before] / 1000, 1) << step;
    }
}
