#include "fakes.h"

#include <gtest/gtest.h>

namespace tikanda::test {
namespace {

class Modes : public ::testing::Test {
protected:
    Rig r;
    FrmTikanda& w = r.w;

    void SetUp() override { w.setText(w.txtMin, "05"); }
    // Selected option buttons, checked mode items, the run menu, lbl2, the display and the
    // focused control.
    std::string state() const {
        std::string s;
        for (auto* o : {&w.optV, &w.optZa, &w.optS})
            if (o->Value) s += o->Name + " ";
        for (auto* m : {&w.mnuV, &w.mnuP, &w.mnuS})
            if (m->Checked) s += m->Name + " ";
        return s + w.mnuStopky.Caption + " " + w.lbl2.Caption + " " + w.lblStopky.Caption + " " +
               (w.ActiveControl ? w.ActiveControl->Name : "-");
    }
};

TEST_F(Modes, MenuItemChoosesTheModeShowsItsTextsAndEnterMovesOnToOk) {
    const std::pair<form::MenuItem*, const char*> steps[] = {
        {&w.mnuP, "optZa mnuP &Alarm Alarm za: 0:05:00 optZa"},
        {&w.mnuS, "optS mnuS &Stopky Stopky: 0:00:00 optS"},
        {&w.mnuV, "optV mnuV &Alarm Alarm v: 0:05:00 optV"}};
    for (const auto& [item, expected] : steps) {
        w.menuClick(*item);
        EXPECT_EQ(state(), expected);
        EXPECT_EQ(w.txtMin.Text, "05");    // the fields keep their texts
        w.keyDown(w.ActiveControl, 27, 0); // other keys do nothing
        EXPECT_EQ(state(), expected);
        w.keyDown(w.ActiveControl, 13, 0);
        EXPECT_EQ(w.ActiveControl, &w.cmdOK);
    }
    // The item of the selected mode only moves the focus: the display is not rewritten.
    w.click(w.optS);
    w.setText(w.txtMin, "06");
    w.menuClick(w.mnuS);
    EXPECT_EQ(state(), "optS mnuS &Stopky Stopky: 0:06:00 optS");
}

TEST_F(Modes, WhileARunDisablesTheChoiceNothingChangesTheMode) {
    w.fraAlarm.Enabled = false; // as a start leaves it
    w.MenuEnabled(false);
    EXPECT_TRUE(w.mnuStart.Enabled);
    w.menuClick(w.mnuP);
    w.click(w.optZa);
    EXPECT_EQ(state(), "optV mnuV &Alarm Alarm v: 0:05:00 -");
    for (bool on : {false, true}) {
        w.MenuEnabled(on);
        for (auto* m : {&w.mnuV, &w.mnuP, &w.mnuS, &w.mnuHod, &w.mnuMin, &w.mnuSec})
            EXPECT_EQ(m->Enabled, on) << m->Name;
    }
}

TEST_F(Modes, RightPressOnAnOptionOrSpinButtonShowsItsHelpAndChoosesNothing) {
    w.mouseDown(w.optV, 1, 0, 0, 0);
    for (form::Control* c : {&w.optZa, &w.optS, &w.optV, &w.updHod})
        w.mouseDown(*c, 2, 0, 0, 0);
    EXPECT_EQ(r.help.whatsThis,
              (std::vector<std::pair<int, std::string>>{
                  {14030, "optZa"}, {14050, "optS"}, {14020, "optV"}, {13010, "updHod"}}));
    EXPECT_EQ(state(), "optV mnuV &Alarm Alarm v: 0:05:00 -");
}

} // namespace
} // namespace tikanda::test
