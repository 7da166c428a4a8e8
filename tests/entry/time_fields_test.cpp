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
    };
    for (const auto& s : steps) {
        if (s.focus) w.SetFocus(*s.focus);
        type(s.typed);
        EXPECT_EQ(state(), s.after) << s.typed;
    }
    w.keyDown(&w.optV, 13, 0);
    EXPECT_EQ(w.ActiveControl, &w.cmdOK);
    w.click(w.optS);
    w.SetFocus(w.txtSec);
    type("\r");
    EXPECT_EQ(w.ActiveControl, &w.optS);
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
            w.setText(w.txtHod, "0");
            w.setText(w.txtMin, "00");
            w.setText(w.txtSec, "00");
            w.SetFocus(*field);
            w.textEdited(*field, c.typed);
            w.SetFocus(w.cmdOK);
            EXPECT_EQ(field->Text, field == &w.txtHod ? c.hours : c.minutesOrSeconds)
                << field->Name << " " << c.typed;
        }
    }
}

TEST_F(TimeFields, FocusSelectsTheWholeTextAndEnterIsSwallowed) {
    w.setText(w.txtMin, "4ž");
    for (auto [item, field] : {std::pair{&w.mnuHod, &w.txtHod}, {&w.mnuMin, &w.txtMin}}) {
        w.menuClick(*item);
        EXPECT_EQ(w.ActiveControl, field);
        EXPECT_EQ(field->SelStart, 0);
        EXPECT_EQ(field->SelLength, int(field->Text.size())); // bytes of the UTF-8 text
        EXPECT_FALSE(w.keyPress(*field, 13));
        EXPECT_TRUE(w.keyPress(*field, 'a'));
    }
}

TEST_F(TimeFields, SpinButtonsStopAtTheEndsAndNeverCarry) {
    for (auto* upd : {&w.updHod, &w.updMin, &w.updSec})
        w.spin(*upd, +1);
    EXPECT_EQ(state(), "1:01:01 1:01:01 -"); // plain hours, two-digit minutes and seconds
    w.setText(w.txtHod, "23");
    w.setText(w.txtMin, "59");
    w.setText(w.txtSec, "59");
    for (auto* upd : {&w.updSec, &w.updMin, &w.updHod})
        w.spin(*upd, +1);
    EXPECT_EQ(state(), "23:59:59 23:59:59 -");
    w.setText(w.txtHod, "0");
    w.setText(w.txtSec, "00");
    w.spin(w.updHod, -1);
    w.spin(w.updSec, -1);
    EXPECT_EQ(state(), "0:59:00 0:59:00 -");
}

} // namespace
} // namespace tikanda::test
