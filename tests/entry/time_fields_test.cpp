// The time fields: typing, leaving, the spin buttons, and the leading-number reader with
// the 16-bit rounding behind the clean-up on leaving.

#include "entry/leading_number.h"
#include "fakes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tikanda::test {
namespace {

using form::Control;
constexpr double kInf = std::numeric_limits<double>::infinity();

class TimeFields : public ::testing::Test {
protected:
    Rig r;
    FrmTikanda& w = r.w;

    // Types into the focused field as a user would: key press, edit (over a selection), release.
    void type(const std::string& chars) {
        for (char ch : chars) {
            Control* f = w.ActiveControl;
            ASSERT_NE(f, nullptr);
            if (w.keyPress(*f, ch)) w.textEdited(*f, (f->SelLength > 0 ? "" : f->Text) + ch);
            w.keyUp(f, ch >= 'a' && ch <= 'z' ? ch - 32 : ch, 0);
        }
    }
    // The three fields, the display and the focused control.
    std::string state() const {
        return w.txtHod.Text + ":" + w.txtMin.Text + ":" + w.txtSec.Text + " " +
               w.lblStopky.Caption + " " + (w.ActiveControl ? w.ActiveControl->Name : "-");
    }
};

TEST_F(TimeFields, TypingMovesOnAfterTheThirdCharacterOrEnterAndLeavingCleansUp) {
    // Where the user clicks first, if anywhere, what is typed and the state after it.
    const std::tuple<Control*, const char*, const char*> steps[] = {
        {&w.txtHod, "99", "99:00:00 0:00:00 txtHod"},    // two characters stay put
        {&w.txtMin, "", "23:00:00 23:00:00 txtMin"},     // leaving clamps
        {nullptr, "4", "23:4:00 23:04:00 txtMin"},       // every change shows the time
        {&w.txtHod, "108", "08:04:00 8:04:00 txtMin"},   // the last two characters stay
        {nullptr, "345106", "08:45:06 8:45:06 optV"},    // on to the selected mode's option
        {&w.txtSec, "abc", "08:45:00 8:45:00 optV"},     // moves on without a number too
        {&w.txtHod, "8\r5\r\r", "8:05:00 8:05:00 optV"}, // the Enter chain
        {&w.txtMin, "7\r75\r", "8:07:59 8:07:59 optV"},  // minutes and seconds get two digits
        {&w.optS, "", "8:07:59 0:00:00 optS"},           // the stopwatch chosen
        {&w.txtSec, "\r", "8:07:59 8:07:59 optS"},       // and on to its option
    };
    for (const auto& [focus, typed, after] : steps) {
        if (focus) w.SetFocus(*focus);
        type(typed);
        EXPECT_EQ(state(), after) << typed;
    }
    // Multi-byte characters count as one each.
    w.SetFocus(w.txtHod);
    w.textEdited(w.txtHod, "ž1č");
    w.keyUp(&w.txtHod, 'C', 0);
    EXPECT_EQ(w.ActiveControl, &w.txtMin);
}

TEST_F(TimeFields, LeavingAFieldClampsItsLeadingNumber) {
    // Typed, then the hours and the minutes or seconds after leaving.
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"75", "23", "59"}, {"7", "7", "07"},     {"-3", "0", "00"},  {"", "0", "00"},
        {"5x", "5x", "00"}, {"1.5", "1.5", "00"}, {"9e9", "23", "59"}};
    for (const auto& [typed, hours, minutesOrSeconds] : cases) {
        for (auto* field : {&w.txtHod, &w.txtMin, &w.txtSec}) {
            w.SetFocus(*field);
            w.textEdited(*field, typed);
            w.SetFocus(w.cmdOK);
            EXPECT_EQ(field->Text, field == &w.txtHod ? hours : minutesOrSeconds)
                << field->Name << " " << typed;
        }
    }
}

TEST_F(TimeFields, SpinButtonsStopAtTheEndsAndNeverCarry) {
    for (int delta : {-1, +1}) // from 0:00:00
        for (auto* upd : {&w.updHod, &w.updMin, &w.updSec})
            w.spin(*upd, delta);
    EXPECT_EQ(state(), "1:01:01 1:01:01 -"); // plain hours, two-digit minutes and seconds
    for (int i = 0; i < 60; ++i)
        for (auto* upd : {&w.updSec, &w.updMin, &w.updHod})
            w.spin(*upd, +1);
    EXPECT_EQ(state(), "23:59:59 23:59:59 -");
}

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
} // namespace tikanda::test
