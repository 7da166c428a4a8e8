#include "core/time_text.h"

namespace tikanda::timetext {

std::string format(Seconds) { return {}; }
std::optional<Seconds> parseTimeOfDay(const std::string&) { return std::nullopt; }
std::optional<Seconds> parseRunValue(const std::string&) { return std::nullopt; }
std::string formatClock(int) { return {}; }
std::string formatHourMinute(Seconds) { return {}; }

} // namespace tikanda::timetext
