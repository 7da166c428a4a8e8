#include "entry/leading_number.h"

#include <gtest/gtest.h>

#include <limits>

namespace tikanda {
namespace {

TEST(LeadingNumber, ReadsTheNumberAtTheStartAndStopsAtTheFirstForeignCharacter) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"7", 7},    {"075", 75},   {"5x", 5},   {"x5", 0},    {"", 0},        {"   ", 0},
        {" 12", 12}, {"1 2", 12},   {"-3", -3},  {"+4", 4},    {"- 3", -3},    {"--3", 0},
        {"-", 0},    {".", 0},      {".5", 0.5}, {"2.5", 2.5}, {"1.2.3", 1.2}, {"2e1", 20},
        {"2E1", 20}, {"1d2", 100},  {"1e", 1},   {"1e+", 1},   {"1e-1", 0.1},  {"5:3", 5},
        {"3,5", 3},  {"12abc", 12}, {"\t9", 9},  {"e5", 0},    {"0x1F", 0},    {"-.5", -0.5},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(leadingNumber(c.text), c.value) << c.text;
}

TEST(LeadingNumber, HugeExponentsSaturateInsteadOfFailing) {
    EXPECT_EQ(leadingNumber("9e999999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(leadingNumber("-9e999999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(leadingNumber("9e-999999"), 0.0);
}

TEST(RoundHalfEven16, ExactHalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(roundHalfEven16(2.5), 2);
    EXPECT_EQ(roundHalfEven16(3.5), 4);
    EXPECT_EQ(roundHalfEven16(0.5), 0);
    EXPECT_EQ(roundHalfEven16(-0.5), 0);
    EXPECT_EQ(roundHalfEven16(-1.5), -2);
    EXPECT_EQ(roundHalfEven16(-2.5), -2);
    EXPECT_EQ(roundHalfEven16(2.4999), 2);
    EXPECT_EQ(roundHalfEven16(2.5001), 3);
    EXPECT_EQ(roundHalfEven16(-2.6), -3);
}

TEST(RoundHalfEven16, ClampsIntoTheSixteenBitRange) {
    EXPECT_EQ(roundHalfEven16(32767.4), 32767);
    EXPECT_EQ(roundHalfEven16(32767.5), 32767);
    EXPECT_EQ(roundHalfEven16(9e9), 32767);
    EXPECT_EQ(roundHalfEven16(-9e9), -32768);
    EXPECT_EQ(roundHalfEven16(std::numeric_limits<double>::infinity()), 32767);
    EXPECT_EQ(roundHalfEven16(-std::numeric_limits<double>::infinity()), -32768);
    EXPECT_EQ(roundHalfEven16(std::numeric_limits<double>::quiet_NaN()), 0);
}

} // namespace
} // namespace tikanda
