#include "core/time_text.h"

#include <gtest/gtest.h>

namespace tikanda::timetext {
namespace {

// Hours unpadded and beyond a day, a negative value by its absolute value; a run value
// reads back what it shows.
TEST(TimeText, FormatsRunValuesAndReadsThemBack) {
    const std::pair<Seconds, const char*> cases[] = {
        {0, "0:00:00"},        {299, "0:04:59"},         {86399, "23:59:59"}, {86400, "24:00:00"},
        {360005, "100:00:05"}, {12345678, "3429:21:18"}, {-1, "0:00:01"},     {-3723, "1:02:03"}};
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(format(value), text) << value;
        if (value >= 0) EXPECT_EQ(parseRunValue(text), value) << text;
    }
    for (const char* bad : {"", "0:60:00", "1:00:60", "1:00", "a:00:00", "9999999999999999:00:00"})
        EXPECT_FALSE(parseRunValue(bad).has_value()) << '"' << bad << '"';
}

TEST(TimeText, ParsesTimesOfDayStrictly) {
    EXPECT_EQ(parseTimeOfDay("07:5:0"), 7 * 3600 + 5 * 60);
    for (const char* bad : {"", "24:00:00", "0:60:00", "0:00:60", "7:05", "7:05:00:00", "075:00:00",
                            "7:005:00", " 7:05:00", "7:05:00 ", "-1:00:00", "7::00", "7:0x:00",
                            "x:05:00", "7.5:00:00", "::", "1:2:3a"})
        EXPECT_FALSE(parseTimeOfDay(bad).has_value()) << '"' << bad << '"';
}

} // namespace
} // namespace tikanda::timetext
