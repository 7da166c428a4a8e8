#include "platform/tick_schedule.h"

namespace tikanda {

namespace {
std::int64_t secondOf(std::int64_t ms) {
    return ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
}
} // namespace

std::int64_t TickSchedule::delayToNextTick(std::int64_t nowMs) {
    return (secondOf(nowMs) + 1) * 1000 + kOffsetMs - nowMs;
}

bool TickSchedule::fire(std::int64_t nowMs) {
    const std::int64_t second = secondOf(nowMs);
    // Only the very same second is refused: after a step back of more than a second
    // (clock set) the firing is a tick and the schedule re-aligns from there.
    if (m_lastSecond && *m_lastSecond == second) return false;
    m_lastSecond = second;
    return true;
}

} // namespace tikanda
