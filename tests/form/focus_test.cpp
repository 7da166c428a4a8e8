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
