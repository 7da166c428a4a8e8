#include "core_helpers.h"

#include <functional>

namespace tikanda::test {
namespace {

using RunControl = CoreTest;

TEST_F(RunControl, EveryTransitionLeavesItsLook) {
    const std::string runningV = "1 000 001001 Stop|Ukončí odpočet|13030";
    const std::string runningZa = "1 000 011011 Pauza|Pozastaví odečet|13025";
    const std::string runningS = "1 000 011011 Pauza|Pozastaví stopky|13025";
    const std::string paused = "2 100 101101 Stop|Ukončí odpočet|13030";
    const std::pair<std::function<void()>, std::string> steps[] = {
        {[] {}, kStopped},
        {[&] { start(w.optZa); }, runningZa},
        {[&] { w.cmdStorno_Click(); }, paused},        // Storno pauses
        {[&] { w.menuClick(w.mnuStart); }, runningZa}, // menu Start resumes
        {[&] { w.toolbarClick("Pauza"); }, paused},
        {[&] { w.cmdStorno_Click(); }, kStopped}, // Storno when paused stops
        {[&] { w.toolbarClick("Start"); }, runningZa},
        {[&] { w.toolbarClick("Stop"); }, kStopped},
        {[&] { start(w.optV); }, runningV},
        {[&] { w.cmdStorno_Click(); }, kStopped}, // Storno in V stops
        {[&] { start(w.optS); }, runningS},
        {[&] { w.menuClick(w.mnuPauza); }, paused},
        {[&] { w.cmdOK_Click(); }, runningS}, // OK resumes
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
    rig.tick(3);
    rig.program.AlarmUp = true;
    w.Stopka();
    EXPECT_EQ(w.lblStopky.Caption, "0:03:47");
    EXPECT_EQ(w.lblStopky.ToolTipText, "Pravé tlačítko myši nastaví barvu");
    EXPECT_FALSE(rig.program.AlarmUp);

    start(w.optS, "0", "12", "30");
    rig.tick(4);
    w.Stopka();
    ASSERT_EQ(rig.messages.shown.size(), 1u); // none for the countdown
    const auto& m = rig.messages.shown[0];
    EXPECT_EQ(m.text + "|" + m.title, "Čas 0:12:34|Tikanda 1.3");
    EXPECT_TRUE(m.icon == MsgIcon::Information && m.buttons == MsgButtons::Ok);
    EXPECT_EQ(w.lblStopky.Caption, "0:00:00");
    EXPECT_EQ(rig.windows.loaded, 0);
}

TEST_F(RunControl, AModifiedLeftPressOnStornoEndsAtOnceAlsoDuringARun) {
    start(w.optZa);
    w.cmdStorno_MouseDown(mouse::Left, 0, 0, 0);
    EXPECT_TRUE(rig.exit.codes.empty());
    w.cmdStorno_MouseDown(mouse::Left, shiftstate::Ctrl, 0, 0);
    EXPECT_EQ(rig.exit.codes, std::vector<int>{0});
    EXPECT_TRUE(rig.messages.shown.empty() && rig.settings.writes.empty());
}

TEST_F(RunControl, AnOpenTextEditTakesOKAndStornoFromTheRun) {
    w.TextAlarmu();
    w.cboText.Text = "Nový";
    w.menuClick(w.mnuStart); // F2 confirms the text and starts nothing
    EXPECT_EQ(w.RunState, 0);

    start(w.optZa);
    w.TextAlarmu();
    w.cboText.Text = "Jiný";
    w.SetFocus(w.cmdStorno); // the box's focus loss takes the typed text
    w.cmdStorno_Click();     // cancels the edit; the run goes on
    EXPECT_EQ(w.RunState, 1);
    EXPECT_EQ(w.AlarmText, "Nový");
    EXPECT_EQ(w.tlbCas.button("Text").ToolTipText, "Text alarmu: Nový");
}

} // namespace
} // namespace tikanda::test
