// The focus rule of the form model: a control disabled or hidden under the focus passes
// it on at once, so no later move runs a stale leave handler.

#include "core/core_helpers.h"

#include <functional>

namespace tikanda::test {
namespace {

using Focus = CoreTest;

// A countdown of 30 s typed into the fields, started while each field holds the focus,
// by each way of starting: the start hands the focus to Storno, and pause, resume and
// stop keep the run's value whatever held the focus.
TEST_F(Focus, ARunKeepsItsValueWhateverHeldTheFocusAtTheStart) {
    const std::pair<const char*, std::function<void()>> starts[] = {
        {"OK", [&] { w.click(w.cmdOK); }},
        {"menu", [&] { w.menuClick(w.mnuStart); }},
        {"toolbar", [&] { w.toolbarClick("Start"); }},
    };
    for (auto& [how, startRun] : starts)
        for (form::Control* field : {&w.txtHod, &w.txtMin, &w.txtSec}) {
            SCOPED_TRACE(std::string(how) + " from " + field->Name);
            w.click(w.optZa);
            w.SetFocus(w.txtSec);
            w.textEdited(w.txtSec, "30");
            w.SetFocus(*field);
            startRun();
            EXPECT_EQ(w.ActiveControl, &w.cmdStorno);
            rig.tick(3);
            w.click(w.cmdStorno); // Pauza
            EXPECT_EQ(w.lblStopky.Caption, "0:00:27");
            w.click(w.cmdOK); // resumes
            rig.tick(2);
            w.menuClick(w.mnuStop);
            EXPECT_EQ(w.lblStopky.Caption, "0:00:25"); // the time still to run
            EXPECT_EQ(w.ActiveControl, &w.txtHod);
        }
}

// A start that disables the entry frame under the focus runs the leave check of the field
// it hands the focus on from, then and only then: a later move does not check it again.
TEST_F(Focus, AStartChecksTheFieldItTakesTheFocusFromOnce) {
    const std::pair<const char*, std::function<void()>> starts[] = {
        {"menu", [&] { w.menuClick(w.mnuStart); }},
        {"F2 without menus",
         [&] {
             w.mnuStopky.Visible = false;
             w.keyUp(w.ActiveControl, vk::F2, 0);
             w.mnuStopky.Visible = true;
         }},
    };
    const std::pair<form::Control*, const char*> fields[] = {
        {&w.txtHod, "23"}, {&w.txtMin, "59"}, {&w.txtSec, "59"}};
    for (auto& [how, startRun] : starts)
        for (auto [field, checked] : fields) {
            SCOPED_TRACE(std::string(how) + " from " + field->Name);
            w.SetFocus(*field);
            w.textEdited(*field, "99");
            startRun();
            ASSERT_EQ(w.ActiveControl, &w.cmdStorno);
            EXPECT_EQ(field->Text, checked);
            field->Text = "99";     // what a second check would change again
            w.menuClick(w.mnuStop); // the focus moves to the hours field
            EXPECT_EQ(field->Text, "99");
            field->Text = checked;
        }
}

TEST_F(Focus, AHiddenControlPassesTheFocusOnAndTheNextOneIsChecked) {
    w.menuClick(w.mnuText);
    ASSERT_EQ(w.ActiveControl, &w.cboText);
    w.keyUp(&w.cboText, vk::Enter, 0); // confirms and hides the box
    ASSERT_EQ(w.ActiveControl, &w.txtHod);
    EXPECT_EQ(w.txtHod.SelLength, int(w.txtHod.Text.size())); // its get-focus handler ran
    w.textEdited(w.txtHod, "99");
    w.SetFocus(w.txtMin);
    EXPECT_EQ(w.txtHod.Text, "23"); // its leave check ran
    EXPECT_EQ(w.lblStopky.Caption, "23:00:00");

    w.picTikanda.Visible = false; // nothing left that can take it
    w.settleFocus();
    EXPECT_EQ(w.ActiveControl, nullptr);
}

} // namespace
} // namespace tikanda::test
