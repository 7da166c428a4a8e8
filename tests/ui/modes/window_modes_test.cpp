// The icon option: minimise the window on the next run.

#include "fakes.h"

#include <gtest/gtest.h>

namespace tikanda::test {
namespace {

// The option as the "Min" button and the menu check mark show it, then the window state.
std::string option(Rig& r) {
    return std::to_string(r.w.tlbCas.button("Min").Value) + std::to_string(r.w.mnuIkona.Checked) +
           " " + std::to_string(r.w.WindowState);
}

TEST(IconOption, ARunningCountMinimisesAtOnceAndUsesItUpOtherwiseItWaits) {
    for (int run : {0, 1, 2})
        for (bool byMenu : {false, true}) {
            SCOPED_TRACE(testing::Message() << "RunState " << run << (byMenu ? ", menu" : ""));
            Rig r;
            r.w.RunState = run;
            auto press = [&] { byMenu ? r.w.menuClick(r.w.mnuIkona) : r.w.toolbarClick("Min"); };
            press();
            EXPECT_EQ(option(r), run == 1 ? "00 1" : "11 0");
            press(); // switches it off again, without minimising
            EXPECT_EQ(option(r), run == 1 ? "11 1" : "00 0");
        }
}

TEST(IconOption, ResizeDuringACountUsesItUpAndRestoresTheTitleOtherwiseNothing) {
    for (int run : {0, 1, 2}) {
        SCOPED_TRACE(run);
        Rig r;
        r.w.toolbarClick("Min");
        r.w.RunState = run;
        r.w.Caption = "0:04:59";
        r.w.windowStateChanged(1);
        EXPECT_EQ(option(r), run == 0 ? "11 1" : "00 1");
        EXPECT_EQ(r.w.Caption, run == 0 ? "0:04:59" : "Tikanda 1.3");
        r.w.Caption = "0:04:58";
        r.w.windowStateChanged(0);
        EXPECT_EQ(r.w.Caption, run == 0 ? "0:04:58" : "Tikanda 1.3");
    }
}

} // namespace
} // namespace tikanda::test
