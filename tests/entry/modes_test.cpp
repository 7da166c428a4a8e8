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
TEST_F(Modes, MenuItemChoosesTheModeWhileEnabledAndEnterMovesOnToOk) {
    const std::tuple<form::MenuItem*, const char*, const char*> steps[] = {
        {&w.mnuP, "05", "optZa mnuP &Alarm Alarm za: 0:05:00 optZa"},
        {&w.mnuS, "05", "optS mnuS &Stopky Stopky: 0:00:00 optS"},
        {&w.mnuS, "06", "optS mnuS &Stopky Stopky: 0:06:00 optS"},
        {&w.mnuV, "05", "optV mnuV &Alarm Alarm v: 0:05:00 optV"}};
    for (const auto& [item, minutes, expected] : steps) {
        w.setText(w.txtMin, minutes);
        w.menuClick(*item);
        EXPECT_EQ(state(), expected);
        w.keyDown(w.ActiveControl, 13, 0);
        EXPECT_EQ(w.ActiveControl, &w.cmdOK);
    }
    // A run disables the frame and the menu items (see RunControl): neither changes the mode.
    w.fraAlarm.Enabled = false;
    w.MenuEnabled(false);
    w.menuClick(w.mnuP);
    w.click(w.optZa);
    EXPECT_EQ(state(), "optV mnuV &Alarm Alarm v: 0:05:00 cmdOK");
}

} // namespace
} // namespace tikanda::test
