#include "core/time_text.h"

#include <gtest/gtest.h>

namespace tikanda::timetext {
namespace {

TEST(TimeText, FormatsHoursUnpaddedNegativesByTheirAbsoluteValueAndDaysAsHours) {
    const std::pair<Seconds, const char*> cases[] = {{0, "0:00:00"},
                                                     {299, "0:04:59"},
                                                     {14 * 3600 + 30 * 60, "14:30:00"},
                                                     {kDay - 1, "23:59:59"},
                                                     {-1, "0:00:01"},
                                                     {-3723, "1:02:03"},
                                                     {kDay, "24:00:00"},
                                                     {100 * 3600 + 5, "100:00:05"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(format(value), text) << value;
}

TEST(TimeText, ParsesTimesOfDayAndRunValuesStrictly) {
    EXPECT_EQ(parseTimeOfDay("07:5:0"), 7 * 3600 + 5 * 60);
    for (const char* bad : {"", "24:00:00", "0:60:00", "0:00:60", "7:05", "7:05:00:00", "075:00:00",
                            "7:005:00", " 7:05:00", "7:05:00 ", "-1:00:00", "7::00", "7:0x:00",
                            "x:05:00", "7.5:00:00", "::", "1:2:3a"})
        EXPECT_FALSE(parseTimeOfDay(bad).has_value()) << '"' << bad << '"';
    // Run values take any count of hours and read back what they show.
    for (Seconds v : {Seconds(0), Seconds(59), Seconds(3599), Seconds(kDay - 1), Seconds(kDay),
                      Seconds(100 * 3600 + 5), Seconds(12345678)})
        EXPECT_EQ(parseRunValue(format(v)), v);
    for (const char* bad : {"", "0:60:00", "1:00:60", "1:00", "a:00:00", "9999999999999999:00:00"})
        EXPECT_FALSE(parseRunValue(bad).has_value()) << '"' << bad << '"';
}

} // namespace
} // namespace tikanda::timetext
