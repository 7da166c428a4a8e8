#include "fakes.h"

#include <gtest/gtest.h>

namespace tikanda::test {
namespace {

using form::Control;

class TimeFields : public ::testing::Test {
protected:
    Rig r;
    FrmTikanda& w = r.w;

    // Types the characters into the focused field as a user would: the key press, the
    // edit (replacing a selection), then the key release.
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
    const struct {
        Control* focus; // where the user clicks first, if anywhere
        const char* typed;
        const char* after;
    } steps[] = {
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
    for (const auto& s : steps) {
        if (s.focus) w.SetFocus(*s.focus);
        type(s.typed);
        EXPECT_EQ(state(), s.after) << s.typed;
    }
    // Multi-byte characters count as one each.
    w.SetFocus(w.txtHod);
    w.textEdited(w.txtHod, "ž1č");
    w.keyUp(&w.txtHod, 'C', 0);
    EXPECT_EQ(w.ActiveControl, &w.txtMin);
}

TEST_F(TimeFields, LeavingAFieldClampsItsLeadingNumber) {
    const struct {
        const char *typed, *hours, *minutesOrSeconds;
    } cases[] = {{"75", "23", "59"},   {"7", "7", "07"},    {"07", "07", "07"},  {"-3", "0", "00"},
                 {"", "0", "00"},      {"x5", "0", "00"},   {"5x", "5x", "00"},  {".5", "0", "00"},
                 {"1.5", "1.5", "00"}, {"3e1", "23", "00"}, {"1d2", "23", "59"}, {"- 3", "0", "00"},
                 {"9e9", "23", "59"},  {"-9e", "0", "00"}};
    for (const auto& c : cases) {
        for (auto* field : {&w.txtHod, &w.txtMin, &w.txtSec}) {
            for (auto* f : {&w.txtHod, &w.txtMin, &w.txtSec})
                w.setText(*f, "0");
            w.SetFocus(*field);
            w.textEdited(*field, c.typed);
            w.SetFocus(w.cmdOK);
            EXPECT_EQ(field->Text, field == &w.txtHod ? c.hours : c.minutesOrSeconds)
                << field->Name << " " << c.typed;
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

} // namespace
} // namespace tikanda::test
