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
    EXPECT_EQ(w.lblStopky.Caption, "0:03:50");
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
    EXPECT_EQ(w.runState(), RunState::Running);
    EXPECT_TRUE(rig.messages.shown.empty() && rig.settings.writes.empty());
}

} // namespace
} // namespace tikanda::test

namespace tikanda::test {
namespace {

// 75 left in the focused minutes field: every start route checks the field first (it becomes
// 59) and counts down the 0:59:00 the fields then show.
TEST(StartRoutes, EachStartsWhatTheFieldsShowOnceTheFocusedOneIsChecked) {
    const std::pair<const char*, std::function<void(Rig&)>> routes[] = {
        {"menu Start (F2)", [](Rig& r) { r.w.menuClick(r.w.mnuStart); }},
        {"toolbar Start", [](Rig& r) { r.w.toolbarClick("Start"); }},
        {"OK", [](Rig& r) { r.w.click(r.w.cmdOK); }},
        {"F2 without the menu bar",
         [](Rig& r) {
             r.w.applyNoMenu();
             r.w.keyUp(&r.w.txtMin, vk::F2, 0);
         }},
    };
    for (const auto& [name, route] : routes) {
        SCOPED_TRACE(name);
        Rig r;
        r.w.optionChosen(r.w.optZa);
        r.w.SetFocus(r.w.txtMin);
        r.w.textEdited(r.w.txtMin, "75");
        route(r);
        EXPECT_EQ(r.w.txtMin.Text, "59");
        r.tick();
        EXPECT_EQ(r.w.lblStopky.Caption, "0:58:59");
        EXPECT_EQ(r.w.frmAlarm(), nullptr);
    }
}

} // namespace
} // namespace tikanda::test
