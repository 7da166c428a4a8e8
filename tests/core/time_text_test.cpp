#include "core/time_text.h"

#include <gtest/gtest.h>

namespace tikanda::timetext {
namespace {

TEST(TimeText, FormatsHoursWithoutLeadingZeroAndTwoDigitMinutesAndSeconds) {
    EXPECT_EQ(format(0), "0:00:00");
    EXPECT_EQ(format(299), "0:04:59");
    EXPECT_EQ(format(14 * 3600 + 30 * 60), "14:30:00");
    EXPECT_EQ(format(kDay - 1), "23:59:59");
}

TEST(TimeText, NegativeValuesShowTheirAbsoluteValue) {
    EXPECT_EQ(format(-1), "0:00:01");
    EXPECT_EQ(format(-3723), "1:02:03");
}

TEST(TimeText, ADayOrMoreShowsTheFullCountOfHours) {
    EXPECT_EQ(format(kDay), "24:00:00");
    EXPECT_EQ(format(100 * 3600 + 5), "100:00:05");
}

TEST(TimeText, ParsesTimesOfDayWithOneOrTwoDigitsEach) {
    EXPECT_EQ(parseTimeOfDay("7:05:00"), 7 * 3600 + 5 * 60);
    EXPECT_EQ(parseTimeOfDay("07:5:0"), 7 * 3600 + 5 * 60);
    EXPECT_EQ(parseTimeOfDay("0:00:00"), 0);
    EXPECT_EQ(parseTimeOfDay("23:59:59"), kDay - 1);
}

TEST(TimeText, RejectsEverythingElseAsATimeOfDay) {
    for (const char* bad : {"", "24:00:00", "0:60:00", "0:00:60", "7:05", "7:05:00:00", "075:00:00",
                            "7:005:00", " 7:05:00", "7:05:00 ", "-1:00:00", "7::00", "7:0x:00",
                            "x:05:00", "7.5:00:00", "::", "1:2:3a"})
        EXPECT_FALSE(parseTimeOfDay(bad).has_value()) << '"' << bad << '"';
}

TEST(TimeText, RunValuesAcceptAnyCountOfHours) {
    EXPECT_EQ(parseRunValue("24:00:00"), kDay);
    EXPECT_EQ(parseRunValue("100:00:05"), 100 * 3600 + 5);
    EXPECT_EQ(parseRunValue("0:04:59"), 299);
    for (const char* bad : {"", "0:60:00", "1:00:60", "1:00", "a:00:00", "9999999999999999:00:00"})
        EXPECT_FALSE(parseRunValue(bad).has_value()) << '"' << bad << '"';
}

TEST(TimeText, RunValuesReadBackWhatTheyShow) {
    for (Seconds v : {Seconds(0), Seconds(1), Seconds(59), Seconds(3599), Seconds(kDay - 1),
                      Seconds(kDay), Seconds(100 * 3600 + 5), Seconds(12345678)})
        EXPECT_EQ(parseRunValue(format(v)), v);
}

TEST(TimeText, ClockAndHourMinuteTexts) {
    EXPECT_EQ(formatClock(9 * 3600 + 5 * 60), "09:05:00");
    EXPECT_EQ(formatClock(0), "00:00:00");
    EXPECT_EQ(formatClock(int(kDay) - 1), "23:59:59");
    EXPECT_EQ(formatHourMinute(14 * 3600 + 30 * 60 + 20), "14:30");
    EXPECT_EQ(formatHourMinute(5 * 60 + 59), "0:05");
}

} // namespace
} // namespace tikanda::timetext
