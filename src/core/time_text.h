#pragma once
// Time values and time texts, in one place. Time values are whole seconds.

#include <cstdint>
#include <optional>
#include <string>

namespace tikanda {

using Seconds = std::int64_t;
constexpr Seconds kDay = 86400;

namespace timetext {

// "H:mm:ss": hours without a leading zero, two-digit minutes and seconds. A negative
// value is shown by its absolute value; a day or more shows the full count of hours
// (24:00:00, 100:00:05).
std::string format(Seconds value);

// Reads "h:m:s" (one or two digits each; hours 0..23, minutes and seconds 0..59) as a
// time of day. Anything else fails.
std::optional<Seconds> parseTimeOfDay(const std::string& text);

// Reads a run value: like parseTimeOfDay, but the hours may be any number (up to 15
// digits), so that values of a day and more read back.
std::optional<Seconds> parseRunValue(const std::string& text);

// "hh:mm:ss" with two digits each (09:05:00), for a second of the day.
std::string formatClock(int secondOfDay);

// "h:mm" of a time of day (hours without leading zero).
std::string formatHourMinute(Seconds timeOfDay);

} // namespace timetext
} // namespace tikanda
