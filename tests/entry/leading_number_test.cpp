#include "entry/leading_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tikanda {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(LeadingNumber, ReadsTheNumberAtTheStartAndStopsAtTheFirstForeignCharacter) {
    const std::pair<const char*, double> cases[] = {
        {"075", 75},    {" 1 2", 12}, {"- 3", -3},  {"--3", 0},         {"-.5", -0.5},
        {"1.2.3", 1.2}, {"2E1", 20},  {"1d2", 100}, {"1e+", 1},         {"1e-1", 0.1},
        {"3,5", 3},     {"e5", 0},    {"0x1F", 0},  {"9e999999", kInf}, {"9e-999999", 0}};
    for (const auto& [text, value] : cases)
        EXPECT_DOUBLE_EQ(leadingNumber(text), value) << text;
}

TEST(RoundHalfEven16, HalvesGoToTheEvenNeighbourAndResultsClampTo16Bits) {
    const std::pair<double, int> cases[] = {{2.5, 2},        {3.5, 4},         {-1.5, -2},
                                            {2.5001, 3},     {-2.6, -3},       {32767.5, 32767},
                                            {-kInf, -32768}, {std::nan(""), 0}};
    for (const auto& [value, rounded] : cases)
        EXPECT_EQ(roundHalfEven16(value), rounded) << value;
}

} // namespace
} // namespace tikanda
