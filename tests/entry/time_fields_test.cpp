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
            Control* field = w.ActiveControl;
            ASSERT_NE(field, nullptr);
            std::string text = field->SelLength > 0 ? "" : field->Text;
            if (w.keyPress(*field, ch)) {
                text += ch;
                w.textEdited(*field, text);
            }
            const int code = ch >= 'a' && ch <= 'z' ? ch - 32
                             : ch == '-'            ? 189
                             : ch == '.'            ? 190
                                                    : ch;
            w.keyUp(field, code, 0);
        }
    }
    // Puts text into a field and leaves it.
    void enterAndLeave(Control& field, const std::string& text) {
        w.SetFocus(field);
        w.textEdited(field, text);
        w.SetFocus(w.cmdOK);
    }
};

TEST_F(TimeFields, HoursAboveRangeShowNoTimeUntilLeftThenBecome23) {
    w.SetFocus(w.txtHod);
    type("99");
    EXPECT_EQ(w.txtHod.Text, "99");
    EXPECT_EQ(w.lblStopky.Caption, "0:00:00");
    EXPECT_EQ(w.ActiveControl, &w.txtHod); // two characters stay put
    w.SetFocus(w.txtMin);
    EXPECT_EQ(w.txtHod.Text, "23");
    EXPECT_EQ(w.lblStopky.Caption, "23:00:00");
}

TEST_F(TimeFields, LeavingMinutesOrSecondsClampsAndWritesTwoDigits) {
    const struct {
        const char* typed;
        const char* text;
    } cases[] = {{"7", "07"},  {"75", "59"}, {"-3", "00"}, {"", "00"},    {"5", "05"},
                 {"x5", "00"}, {"0", "00"},  {"59", "59"}, {"9e9", "59"}, {"-9e", "00"}};
    for (auto* field : {&w.txtMin, &w.txtSec}) {
        for (const auto& c : cases) {
            w.setText(w.txtHod, "0");
            w.setText(w.txtMin, "00");
            w.setText(w.txtSec, "00");
            enterAndLeave(*field, c.typed);
            EXPECT_EQ(field->Text, c.text) << field->Name << " " << c.typed;
        }
    }
    w.setText(w.txtSec, "00");
    enterAndLeave(w.txtMin, "7");
    EXPECT_EQ(w.lblStopky.Caption, "0:07:00");
    enterAndLeave(w.txtSec, "75");
    EXPECT_EQ(w.lblStopky.Caption, "0:07:59");
}

TEST_F(TimeFields, LeavingHoursClampsByTheLeadingNumber) {
    const struct {
        const char* typed;
        const char* text;
    } cases[] = {
        {"99", "23"}, {"-3", "0"}, {"", "0"},      {"x5", "0"},   {"5x", "5x"}, {"7", "7"},
        {"07", "07"}, {".5", "0"}, {"1.5", "1.5"}, {"9e9", "23"}, {"-9e", "0"}, {"3e1", "23"},
    };
    for (const auto& c : cases) {
        w.setText(w.txtHod, "0");
        enterAndLeave(w.txtHod, c.typed);
        EXPECT_EQ(w.txtHod.Text, c.text) << c.typed;
    }
}

TEST_F(TimeFields, EveryChangeShowsTheEnteredTime) {
    w.setText(w.txtHod, "7");
    EXPECT_EQ(w.lblStopky.Caption, "7:00:00");
    w.SetFocus(w.txtMin);
    type("3");
    EXPECT_EQ(w.lblStopky.Caption, "7:03:00");
    w.SetFocus(w.txtSec);
    type("4");
    EXPECT_EQ(w.lblStopky.Caption, "7:03:04");
    type("x"); // "4x": not a time
    EXPECT_EQ(w.lblStopky.Caption, "0:00:00");
}

TEST_F(TimeFields, GettingTheFocusSelectsTheWholeText) {
    w.setText(w.txtMin, "4ž");
    w.menuClick(w.mnuMin);
    EXPECT_EQ(w.ActiveControl, &w.txtMin);
    EXPECT_EQ(w.txtMin.SelStart, 0);
    EXPECT_EQ(w.txtMin.SelLength, 3); // bytes of the UTF-8 text
    w.menuClick(w.mnuHod);
    EXPECT_EQ(w.ActiveControl, &w.txtHod);
    EXPECT_EQ(w.txtHod.SelLength, 1);
    w.menuClick(w.mnuSec);
    EXPECT_EQ(w.ActiveControl, &w.txtSec);
    EXPECT_EQ(w.txtSec.SelLength, 2);
}

TEST_F(TimeFields, EnterIsSwallowedOtherCharactersAreNot) {
    for (auto* f : {&w.txtHod, &w.txtMin, &w.txtSec}) {
        EXPECT_FALSE(w.keyPress(*f, 13)) << f->Name;
        EXPECT_TRUE(w.keyPress(*f, 'a')) << f->Name;
        EXPECT_TRUE(w.keyPress(*f, '5')) << f->Name;
    }
}

TEST_F(TimeFields, ThirdCharacterKeepsTheLastTwoAndMovesOn) {
    w.SetFocus(w.txtHod);
    type("123");
    EXPECT_EQ(w.txtHod.Text, "23");
    EXPECT_EQ(w.ActiveControl, &w.txtMin);
    type("345");
    EXPECT_EQ(w.txtMin.Text, "45");
    EXPECT_EQ(w.ActiveControl, &w.txtSec);
    type("106");
    EXPECT_EQ(w.txtSec.Text, "06");
    EXPECT_EQ(w.ActiveControl, &w.optV);
    EXPECT_EQ(w.lblStopky.Caption, "23:45:06");
}

TEST_F(TimeFields, ThirdCharacterMovesOnEvenWithoutANumber) {
    w.SetFocus(w.txtSec);
    w.textEdited(w.txtSec, "abc");
    w.keyUp(&w.txtSec, 'C', 0);
    EXPECT_EQ(w.ActiveControl, &w.optV);
    EXPECT_EQ(w.txtSec.Text, "00"); // "bc" was left, then leaving the field cleaned it
    // Multi-byte characters count as one each.
    w.SetFocus(w.txtHod);
    w.textEdited(w.txtHod, "ž1č");
    w.keyUp(&w.txtHod, 'C', 0);
    EXPECT_EQ(w.ActiveControl, &w.txtMin);
}

TEST_F(TimeFields, EnterChainRunsFromHoursToOk) {
    w.SetFocus(w.txtHod);
    type("8");
    w.keyUp(&w.txtHod, 13, 0);
    EXPECT_EQ(w.ActiveControl, &w.txtMin);
    type("5");
    w.keyUp(&w.txtMin, 13, 0);
    EXPECT_EQ(w.ActiveControl, &w.txtSec);
    EXPECT_EQ(w.txtMin.Text, "05");
    w.keyUp(&w.txtSec, 13, 0);
    EXPECT_EQ(w.ActiveControl, &w.optV);
    w.keyDown(&w.optV, 13, 0);
    EXPECT_EQ(w.ActiveControl, &w.cmdOK);
    EXPECT_EQ(w.lblStopky.Caption, "8:05:00");

    // From the seconds the focus goes to the option button of the selected mode.
    w.click(w.optS);
    w.SetFocus(w.txtSec);
    w.keyUp(&w.txtSec, 13, 0);
    EXPECT_EQ(w.ActiveControl, &w.optS);
}

TEST_F(TimeFields, SpinButtonsStopAtTheEndsAndNeverCarry) {
    w.setText(w.txtSec, "58");
    w.spin(w.updSec, +1);
    EXPECT_EQ(w.txtSec.Text, "59");
    w.spin(w.updSec, +1);
    EXPECT_EQ(w.txtSec.Text, "59");
    EXPECT_EQ(w.txtMin.Text, "00");
    EXPECT_EQ(w.lblStopky.Caption, "0:00:59");

    w.setText(w.txtMin, "59");
    w.spin(w.updMin, +1);
    EXPECT_EQ(w.txtMin.Text, "59");
    EXPECT_EQ(w.txtHod.Text, "0");
    EXPECT_EQ(w.lblStopky.Caption, "0:59:59");

    w.setText(w.txtHod, "23");
    w.spin(w.updHod, +1);
    EXPECT_EQ(w.txtHod.Text, "23");

    w.setText(w.txtHod, "0");
    w.spin(w.updHod, -1);
    EXPECT_EQ(w.txtHod.Text, "0");
    w.setText(w.txtSec, "00");
    w.spin(w.updSec, -1);
    EXPECT_EQ(w.txtSec.Text, "00");
    EXPECT_EQ(w.txtMin.Text, "59");
}

TEST_F(TimeFields, SpinningWritesTwoDigitMinutesAndSecondsAndPlainHours) {
    w.spin(w.updHod, +1);
    EXPECT_EQ(w.txtHod.Text, "1");
    w.spin(w.updMin, +1);
    EXPECT_EQ(w.txtMin.Text, "01");
    w.spin(w.updSec, +1);
    w.spin(w.updSec, +1);
    EXPECT_EQ(w.txtSec.Text, "02");
    EXPECT_EQ(w.lblStopky.Caption, "1:01:02");
    w.spin(w.updMin, -1);
    EXPECT_EQ(w.txtMin.Text, "00");
    EXPECT_EQ(w.lblStopky.Caption, "1:00:02");
}

TEST_F(TimeFields, RightPressOnASpinButtonShowsItsHelp) {
    w.mouseDown(w.updMin, 1, 0, 0, 0);
    EXPECT_TRUE(r.help.whatsThis.empty());
    w.mouseDown(w.updHod, 2, 0, 0, 0);
    w.mouseDown(w.updSec, 2, 0, 0, 0);
    ASSERT_EQ(r.help.whatsThis.size(), 2u);
    EXPECT_EQ(r.help.whatsThis[0], std::make_pair(13010, std::string("updHod")));
    EXPECT_EQ(r.help.whatsThis[1], std::make_pair(13010, std::string("updSec")));
}

} // namespace
} // namespace tikanda::test
