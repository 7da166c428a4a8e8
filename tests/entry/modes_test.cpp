#include "fakes.h"

#include <gtest/gtest.h>

namespace tikanda::test {
namespace {

class Modes : public ::testing::Test {
protected:
    Rig r;
    FrmTikanda& w = r.w;

    // The name of the one checked mode item, or a list when that is not one.
    std::string checkedModeItem() const {
        std::string s;
        for (auto* m : {&w.mnuV, &w.mnuP, &w.mnuS})
            if (m->Checked) s += (s.empty() ? "" : ",") + m->Name;
        return s;
    }
    std::string selectedOption() const {
        std::string s;
        for (auto* o : {&w.optV, &w.optZa, &w.optS})
            if (o->Value) s += (s.empty() ? "" : ",") + o->Name;
        return s;
    }
    void enter0500() {
        w.setText(w.txtHod, "0");
        w.setText(w.txtMin, "05");
        w.setText(w.txtSec, "00");
    }
};

TEST_F(Modes, EachModeShowsItsTextsAndCheckMark) {
    enter0500();
    w.click(w.optZa);
    EXPECT_EQ(selectedOption(), "optZa");
    EXPECT_EQ(checkedModeItem(), "mnuP");
    EXPECT_EQ(w.lbl2.Caption, "Alarm za:");
    EXPECT_EQ(w.lblStopky.Caption, "0:05:00");
    EXPECT_EQ(w.mnuStopky.Caption, "&Alarm");

    w.click(w.optS);
    EXPECT_EQ(selectedOption(), "optS");
    EXPECT_EQ(checkedModeItem(), "mnuS");
    EXPECT_EQ(w.lbl2.Caption, "Stopky:");
    EXPECT_EQ(w.lblStopky.Caption, "0:00:00");
    EXPECT_EQ(w.mnuStopky.Caption, "&Stopky");
    // The fields keep their texts.
    EXPECT_EQ(w.txtMin.Text, "05");

    w.click(w.optV);
    EXPECT_EQ(selectedOption(), "optV");
    EXPECT_EQ(checkedModeItem(), "mnuV");
    EXPECT_EQ(w.lbl2.Caption, "Alarm v:");
    EXPECT_EQ(w.lblStopky.Caption, "0:05:00");
    EXPECT_EQ(w.mnuStopky.Caption, "&Alarm");
}

TEST_F(Modes, MenuItemChoosesTheModeAndEnterMovesOnToOk) {
    enter0500();
    w.menuClick(w.mnuP);
    EXPECT_EQ(w.ActiveControl, &w.optZa);
    EXPECT_EQ(selectedOption(), "optZa");
    EXPECT_EQ(checkedModeItem(), "mnuP");
    EXPECT_EQ(w.lbl2.Caption, "Alarm za:");
    EXPECT_EQ(w.lblStopky.Caption, "0:05:00");
    w.keyDown(&w.optZa, 27, 0); // other keys do nothing
    EXPECT_EQ(w.ActiveControl, &w.optZa);
    w.keyDown(&w.optZa, 13, 0);
    EXPECT_EQ(w.ActiveControl, &w.cmdOK);

    w.menuClick(w.mnuS);
    EXPECT_EQ(w.ActiveControl, &w.optS);
    EXPECT_EQ(checkedModeItem(), "mnuS");
    w.keyDown(&w.optS, 13, 0);
    EXPECT_EQ(w.ActiveControl, &w.cmdOK);
    w.menuClick(w.mnuV);
    EXPECT_EQ(w.ActiveControl, &w.optV);
    EXPECT_EQ(checkedModeItem(), "mnuV");
    w.keyDown(&w.optV, 13, 0);
    EXPECT_EQ(w.ActiveControl, &w.cmdOK);
}

TEST_F(Modes, MenuItemOfTheSelectedModeOnlyMovesTheFocus) {
    w.click(w.optS);
    enter0500(); // the stopwatch display now shows the entered time
    ASSERT_EQ(w.lblStopky.Caption, "0:05:00");
    w.menuClick(w.mnuS);
    EXPECT_EQ(w.ActiveControl, &w.optS);
    EXPECT_EQ(w.lblStopky.Caption, "0:05:00");
    EXPECT_EQ(checkedModeItem(), "mnuS");
}

TEST_F(Modes, NothingChangesTheModeWhileARunDisablesTheChoice) {
    enter0500();
    // The state a start leaves behind.
    w.fraNastav.Enabled = false;
    w.fraAlarm.Enabled = false;
    w.MenuEnabled(false);
    for (auto* m : {&w.mnuV, &w.mnuP, &w.mnuS, &w.mnuHod, &w.mnuMin, &w.mnuSec})
        EXPECT_FALSE(m->Enabled) << m->Name;
    EXPECT_TRUE(w.mnuStart.Enabled);
    w.SetFocus(w.cmdOK);

    w.menuClick(w.mnuP);
    w.menuClick(w.mnuS);
    w.click(w.optZa);
    w.SetFocus(w.optS);
    w.menuClick(w.mnuHod);
    EXPECT_EQ(selectedOption(), "optV");
    EXPECT_EQ(checkedModeItem(), "mnuV");
    EXPECT_EQ(w.lbl2.Caption, "Alarm v:");
    EXPECT_EQ(w.ActiveControl, &w.cmdOK);

    w.MenuEnabled(true);
    for (auto* m : {&w.mnuV, &w.mnuP, &w.mnuS, &w.mnuHod, &w.mnuMin, &w.mnuSec})
        EXPECT_TRUE(m->Enabled) << m->Name;
}

TEST_F(Modes, RightPressOnAnOptionShowsItsHelp) {
    w.mouseDown(w.optV, 1, 0, 0, 0);
    EXPECT_TRUE(r.help.whatsThis.empty());
    EXPECT_EQ(selectedOption(), "optV");
    w.mouseDown(w.optZa, 2, 0, 0, 0);
    w.mouseDown(w.optS, 2, 0, 0, 0);
    w.mouseDown(w.optV, 2, 0, 0, 0);
    ASSERT_EQ(r.help.whatsThis.size(), 3u);
    EXPECT_EQ(r.help.whatsThis[0], std::make_pair(14030, std::string("optZa")));
    EXPECT_EQ(r.help.whatsThis[1], std::make_pair(14050, std::string("optS")));
    EXPECT_EQ(r.help.whatsThis[2], std::make_pair(14020, std::string("optV")));
    EXPECT_EQ(selectedOption(), "optV"); // a right press does not choose
}

} // namespace
} // namespace tikanda::test
