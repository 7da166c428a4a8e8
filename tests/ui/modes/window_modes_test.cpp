// The icon option: minimise the window on the next run.

#include "fakes.h"

#include <gtest/gtest.h>

namespace tikanda::test {
namespace {

// The toolbar toggle as the toolbar delivers it: state first, then the handler.
void pressMin(Rig& r) {
    auto& b = r.w.tlbCas.button("Min");
    b.Value = 1 - b.Value;
    r.w.PressMin();
}

// The option as the button, the menu check mark and the window state show it.
void expectOption(Rig& r, bool on, int windowState) {
    EXPECT_EQ(r.w.tlbCas.button("Min").Value, on ? 1 : 0);
    EXPECT_EQ(r.w.mnuIkona.Checked, on);
    EXPECT_EQ(r.w.WindowState, windowState);
}

TEST(IconOption, StoppedKeepsItRunningUsesItUpPausedWaits) {
    Rig r;
    pressMin(r); // stopped: only the option changes, and resizes leave it alone
    r.w.windowStateChanged(1);
    r.w.windowStateChanged(0);
    expectOption(r, true, 0);
    r.w.menuClick(r.w.mnuIkona); // the menu item keeps the button in step
    expectOption(r, false, 0);

    for (bool byMenu : {false, true}) {
        SCOPED_TRACE(byMenu ? "menu" : "button");
        Rig running;
        running.w.RunState = 1;
        byMenu ? running.w.menuClick(running.w.mnuIkona) : pressMin(running);
        expectOption(running, false, 1);
    }

    Rig paused;
    paused.w.RunState = 2;
    pressMin(paused);
    expectOption(paused, true, 0);
    paused.w.mnuIkona_Click(); // switches it off again, without minimising
    expectOption(paused, false, 0);
}

TEST(IconOption, ResizeDuringACountUsesItUpAndRestoresTheTitle) {
    for (int state : {1, 2}) {
        SCOPED_TRACE(state);
        Rig r;
        pressMin(r);
        r.w.RunState = state;
        r.w.Caption = "0:04:59";
        r.w.windowStateChanged(1);
        expectOption(r, false, 1);
        EXPECT_EQ(r.w.Caption, "Tikanda 1.3");
        r.w.Caption = "0:04:58";
        r.w.windowStateChanged(0);
        EXPECT_EQ(r.w.Caption, "Tikanda 1.3");
    }
}

} // namespace
} // namespace tikanda::test
