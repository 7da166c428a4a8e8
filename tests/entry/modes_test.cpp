#include "fakes.h"

#include <gtest/gtest.h>

#include <tuple>

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

// The item of the selected mode only moves the focus: the display is not rewritten.
TEST_F(Modes, MenuItemChoosesTheModeShowsItsTextsAndEnterMovesOnToOk) {
    const std::tuple<form::MenuItem*, const char*, const char*> steps[] = {
        {&w.mnuP, "05", "optZa mnuP &Alarm Alarm za: 0:05:00 optZa"},
        {&w.mnuS, "05", "optS mnuS &Stopky Stopky: 0:00:00 optS"},
        {&w.mnuV, "05", "optV mnuV &Alarm Alarm v: 0:05:00 optV"},
        {&w.mnuS, "05", "optS mnuS &Stopky Stopky: 0:00:00 optS"},
        {&w.mnuS, "06", "optS mnuS &Stopky Stopky: 0:06:00 optS"}};
    for (const auto& [item, minutes, expected] : steps) {
        w.setText(w.txtMin, minutes);
        w.menuClick(*item);
        EXPECT_EQ(state(), expected);
        w.keyDown(w.ActiveControl, 13, 0);
        EXPECT_EQ(w.ActiveControl, &w.cmdOK);
    }
}

TEST_F(Modes, RightPressesShowHelpAndNeitherPressesNorADisabledChoiceChangeTheMode) {
    w.mouseDown(w.optV, 1, 0, 0, 0);
    for (form::Control* c : {&w.optZa, &w.optS, &w.optV, &w.updHod, &w.cmdOK, &w.cmdStorno})
        w.mouseDown(*c, 2, 0, 0, 0);
    const std::vector<std::pair<int, std::string>> topics = {
        {14030, "optZa"},  {14050, "optS"},  {14020, "optV"},
        {13010, "updHod"}, {13020, "cmdOK"}, {13027, "cmdStorno"}};
    EXPECT_EQ(r.help.whatsThis, topics);
    // A run disables the frame and the menu items.
    w.fraAlarm.Enabled = false;
    w.MenuEnabled(false);
    w.menuClick(w.mnuP);
    w.click(w.optZa);
    EXPECT_EQ(state(), "optV mnuV &Alarm Alarm v: 0:05:00 -");
    for (bool on : {false, true}) {
        w.MenuEnabled(on);
        for (auto* m : {&w.mnuV, &w.mnuP, &w.mnuS, &w.mnuHod, &w.mnuMin, &w.mnuSec})
            EXPECT_EQ(m->Enabled, on) << m->Name;
    }
}

} // namespace
} // namespace tikanda::test
