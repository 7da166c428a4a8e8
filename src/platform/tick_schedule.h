#pragma once
// When the one-second timer fires and whether a firing is a tick. Kept free of Qt so
// that the rules can be tested without a clock that really runs.
//
// Ticks fall a few milliseconds after each wall-clock second boundary: the time shown
// then never lags the real clock by a visible fraction of a second, and re-arming from
// the wall clock at every tick keeps a long countdown from drifting. A firing whose
// wall-clock second was already ticked (the timer fired a little early, or the clock was
// stepped back by less than a second) is not a tick: the timer is re-armed for the next
// boundary instead, so no second is counted twice.

#include <cstdint>
#include <optional>

namespace tikanda {

class TickSchedule {
public:
    // How long after the second boundary a tick falls.
    static constexpr int kOffsetMs = 1;

    // Milliseconds from nowMs (wall clock, ms since the epoch) until kOffsetMs after the
    // next second boundary; always in (kOffsetMs, 1000 + kOffsetMs].
    static std::int64_t delayToNextTick(std::int64_t nowMs);

    // The timer fired at wall-clock time nowMs: true when this is a tick (and it is
    // recorded as the last one), false when the second at nowMs was already ticked.
    bool fire(std::int64_t nowMs);

    std::optional<std::int64_t> lastTickedSecond() const { return m_lastSecond; }

private:
    std::optional<std::int64_t> m_lastSecond;
};

} // namespace tikanda
