#include "core_helpers.h"

#include <functional>

namespace tikanda::test {
namespace {

using RunControl = CoreTest;

TEST_F(RunControl, EveryTransitionLeavesItsLook) {
    const std::string runningV = "1 000 000000 001001 Stop 13030";
    const std::string running = "1 000 000000 011011 Pauza 13025"; // a countdown or the stopwatch
    const std::string paused = "2 100 000000 101101 Stop 13030";
    const std::pair<std::function<void()>, std::string> steps[] = {
        {[] {}, kStopped},
        {[&] { start(w.optZa); }, running},
        {[&] { w.cmdStorno_Click(); }, paused},      // Storno pauses
        {[&] { w.menuClick(w.mnuStart); }, running}, // menu Start resumes
        {[&] { w.toolbarClick("Pauza"); }, paused},
        {[&] { w.cmdStorno_Click(); }, kStopped}, // Storno when paused stops
        {[&] { w.toolbarClick("Start"); }, running},
        {[&] { w.toolbarClick("Stop"); }, kStopped},
        {[&] { start(w.optV); }, runningV},
        {[&] { w.cmdStorno_Click(); }, kStopped}, // Storno in V stops
        {[&] { start(w.optS); }, running},
        {[&] { w.menuClick(w.mnuPauza); }, paused},
        {[&] { w.cmdOK_Click(); }, running}, // OK resumes
        {[&] { w.menuClick(w.mnuStop); }, kStopped}};
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        steps[i].first();
        EXPECT_EQ(look(), steps[i].second) << "step " << i;
    }
}

TEST_F(RunControl, PauseHoldsResumeContinuesAndAStopByHandRaisesNoAlarm) {
    start(w.optZa);
    rig.tick(70);
    w.cmdStorno_Click();
    EXPECT_EQ(w.ActiveControl, &w.cmdOK);
    rig.tick(10);
    w.txtHod.Text = "1"; // a resume does not read the fields
    w.cmdOK_Click();
    EXPECT_EQ(w.RunTime, 230);
    rig.program.AlarmUp = true;
    w.Stopka();
    EXPECT_FALSE(rig.program.AlarmUp);

    start(w.optS, "0", "12", "30");
    rig.tick(4);
    w.Stopka();
    ASSERT_EQ(rig.messages.shown.size(), 1u); // none for the countdown
    EXPECT_EQ(rig.messages.shown[0].text, "Čas 0:12:34");
    EXPECT_EQ(w.frmAlarm(), nullptr);
}

// Shift, Ctrl or Alt alone with a left press on Storno ends the program at once, without the
// question or saving; a plain press is left to the click.
TEST_F(RunControl, AModifiedLeftPressOnStornoEndsAtOnceAlsoDuringARun) {
    start(w.optZa);
    const std::pair<int, std::vector<int>> rows[] = {
        {0, {}}, {shiftstate::Shift, {0}}, {shiftstate::Ctrl, {0}}, {shiftstate::Alt, {0}}};
    for (const auto& [shift, exitCodes] : rows) {
        rig.exit.codes.clear();
        w.mouseDown(w.cmdStorno, mouse::Left, shift, 0, 0);
        EXPECT_EQ(rig.exit.codes, exitCodes) << "shift " << shift;
    }
    EXPECT_EQ(w.RunState, 1);
    EXPECT_TRUE(rig.messages.shown.empty() && rig.settings.writes.empty());
}

} // namespace
} // namespace tikanda::test
