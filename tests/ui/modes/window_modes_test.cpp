// The icon option: minimise the window on the next run.

#include "fakes.h"

#include <gtest/gtest.h>

#include <array>

namespace tikanda::test {
namespace {

// The option as the "Min" button and the menu check mark show it, the window state and the
// caption.
std::string option(Rig& r) {
    return std::to_string(r.w.tlbCas.button("Min").Value) + std::to_string(r.w.mnuIkona.Checked) +
           " " + std::to_string(r.w.WindowState) + " " + r.w.Caption;
}

// A running count minimises at once and uses the option up; otherwise it waits. Any resize
// during a count, running or paused, uses it up too and puts the normal title back.
TEST(IconOption, ARunningCountMinimisesAtOnceAndAResizeDuringACountUsesItUp) {
    // After the "Min" button, a minimising by hand, then the menu item.
    const std::array<std::string, 3> expected[] = {
        {"11 0 0:04:59", "11 1 0:04:59", "00 1 0:04:59"},             // stopped
        {"00 1 Tikanda 1.3", "00 1 Tikanda 1.3", "11 1 Tikanda 1.3"}, // running
        {"11 0 0:04:59", "00 1 Tikanda 1.3", "11 1 Tikanda 1.3"}};    // paused
    for (int run : {0, 1, 2}) {
        SCOPED_TRACE(run);
        Rig r;
        r.bring(run);
        r.w.Caption = "0:04:59";
        r.w.toolbarClick("Min");
        EXPECT_EQ(option(r), expected[run][0]);
        r.w.windowStateChanged(1);
        EXPECT_EQ(option(r), expected[run][1]);
        r.w.menuClick(r.w.mnuIkona);
        EXPECT_EQ(option(r), expected[run][2]);
    }
}

} // namespace
} // namespace tikanda::test
