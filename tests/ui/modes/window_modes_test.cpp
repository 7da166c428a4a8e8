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

int minButton(Rig& r) {
    return r.w.tlbCas.button("Min").Value;
}

TEST(IconOption, WhileStoppedOnlyTheOptionChanges) {
    Rig r;
    r.w.Caption = "Tikanda 1.3";
    pressMin(r);
    EXPECT_EQ(minButton(r), 1);
    EXPECT_TRUE(r.w.mnuIkona.Checked);
    EXPECT_EQ(r.w.WindowState, 0);

    r.w.windowStateChanged(1); // resizes while stopped leave the option alone
    r.w.windowStateChanged(0);
    EXPECT_EQ(minButton(r), 1);
    EXPECT_TRUE(r.w.mnuIkona.Checked);
    EXPECT_EQ(r.w.Caption, "Tikanda 1.3");

    pressMin(r);
    EXPECT_EQ(minButton(r), 0);
    EXPECT_FALSE(r.w.mnuIkona.Checked);
}

TEST(IconOption, WhileRunningMinimisesAndIsUsedUp) {
    Rig r;
    r.w.RunState = 1;
    pressMin(r);
    EXPECT_EQ(r.w.WindowState, 1);
    EXPECT_EQ(minButton(r), 0);
    EXPECT_FALSE(r.w.mnuIkona.Checked);
}

TEST(IconOption, WhilePausedWaitsForTheNextStart) {
    Rig r;
    r.w.RunState = 2;
    pressMin(r);
    EXPECT_EQ(r.w.WindowState, 0);
    EXPECT_EQ(minButton(r), 1);
    EXPECT_TRUE(r.w.mnuIkona.Checked);

    r.w.mnuIkona_Click(); // the menu item switches it off again, without minimising
    EXPECT_EQ(r.w.WindowState, 0);
    EXPECT_EQ(minButton(r), 0);
    EXPECT_FALSE(r.w.mnuIkona.Checked);
}

TEST(IconOption, ResizeDuringACountRestoresTheTitle) {
    for (int state : {1, 2}) {
        Rig r;
        pressMin(r);
        r.w.RunState = state;
        r.w.Caption = "0:04:59";
        r.w.windowStateChanged(1);
        EXPECT_EQ(minButton(r), 0) << state;
        EXPECT_FALSE(r.w.mnuIkona.Checked);
        EXPECT_EQ(r.w.Caption, "Tikanda 1.3");

        r.w.Caption = "0:04:58";
        r.w.windowStateChanged(0);
        EXPECT_EQ(r.w.Caption, "Tikanda 1.3");
    }
}

TEST(IconOption, MenuItemKeepsTheButtonInStep) {
    Rig r;
    r.w.menuClick(r.w.mnuIkona);
    EXPECT_TRUE(r.w.mnuIkona.Checked);
    EXPECT_EQ(minButton(r), 1);
    EXPECT_EQ(r.w.WindowState, 0);
    r.w.menuClick(r.w.mnuIkona);
    EXPECT_FALSE(r.w.mnuIkona.Checked);
    EXPECT_EQ(minButton(r), 0);

    r.w.RunState = 1;
    r.w.menuClick(r.w.mnuIkona);
    EXPECT_EQ(r.w.WindowState, 1);
    EXPECT_FALSE(r.w.mnuIkona.Checked);
    EXPECT_EQ(minButton(r), 0);
}

TEST(CompactLayouts, ApplyReturnsTheHeightToLose) {
    Rig r;
    EXPECT_EQ(r.w.applyNoMenu(), 300);
    for (auto* m : r.w.menuBar)
        EXPECT_FALSE(m->Visible) << m->Name;
    EXPECT_TRUE(r.w.mnuKonec.Visible); // items stay, only the bar goes
    EXPECT_TRUE(r.w.mnuStart.Enabled);

    EXPECT_EQ(r.w.applyNoBar(), 420);
    EXPECT_TRUE(r.w.NoBar);
    EXPECT_EQ(r.w.picTikanda.place.top, 0);
    EXPECT_FALSE(r.w.tlbCas.AlignTop);
    EXPECT_EQ(r.w.tlbCas.place.left, -20000);
    EXPECT_TRUE(r.w.tlbCas.Visible);
}

} // namespace
} // namespace tikanda::test
