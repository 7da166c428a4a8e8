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
    const struct {
        const char* step;
        std::function<void()> act;
        std::string look;
    } steps[] = {{"created", [] {}, kStopped},
                 {"OK in Za", [&] { start(w.optZa); }, runningZa},
                 {"Storno pauses", [&] { w.cmdStorno_Click(); }, paused},
                 {"menu Start resumes", [&] { w.menuClick(w.mnuStart); }, runningZa},
                 {"toolbar Pauza", [&] { w.toolbarClick("Pauza"); }, paused},
                 {"Storno when paused stops", [&] { w.cmdStorno_Click(); }, kStopped},
                 {"toolbar Start", [&] { w.toolbarClick("Start"); }, runningZa},
                 {"toolbar Stop", [&] { w.toolbarClick("Stop"); }, kStopped},
                 {"OK in V", [&] { start(w.optV); }, runningV},
                 {"Storno in V stops", [&] { w.cmdStorno_Click(); }, kStopped},
                 {"OK in S", [&] { start(w.optS); }, runningS},
                 {"menu Pauza", [&] { w.menuClick(w.mnuPauza); }, paused},
                 {"OK resumes", [&] { w.cmdOK_Click(); }, runningS},
                 {"menu Stop", [&] { w.menuClick(w.mnuStop); }, kStopped}};
    for (const auto& s : steps) {
        s.act();
        EXPECT_EQ(look(), s.look) << s.step;
    }
}

TEST_F(RunControl, PauseHoldsAndResumeContinuesFromTheHeldValue) {
    start(w.optZa, "0", "05", "00");
    rig.tick(70);
    w.cmdStorno_Click();
    EXPECT_EQ(w.ActiveControl, &w.cmdOK);
    rig.tick(10);
    EXPECT_EQ(w.lblStopky.Caption, "0:03:50");
    w.txtHod.Text = "1"; // a resume does not read the fields
    w.cmdOK_Click();
    EXPECT_EQ(w.RunTime, 230);
    rig.tick(229);
    EXPECT_EQ(alarms(), 0);
    rig.tick();
    ASSERT_EQ(alarms(), 1);

    w.frmAlarm()->KonecAlarmu();
    start(w.optS, "x"); // fields that are no time start from 0
    EXPECT_EQ(w.RunTime, 0);
}

TEST_F(RunControl, AStopByHandRaisesNoAlarmAndAStopwatchReportsItsTime) {
    start(w.optZa);
    rig.tick(3);
    rig.program.AlarmUp = true;
    w.Stopka();
    EXPECT_EQ(w.lblStopky.Caption, "0:04:57");
    EXPECT_EQ(w.lblStopky.ToolTipText, "Pravé tlačítko myši nastaví barvu");
    EXPECT_FALSE(rig.program.AlarmUp);
    EXPECT_TRUE(rig.messages.shown.empty());

    start(w.optS, "0", "12", "30");
    rig.tick(4);
    w.Stopka();
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    const auto& m = rig.messages.shown[0];
    EXPECT_EQ(m.text, "Čas 0:12:34");
    EXPECT_EQ(m.title, "Tikanda 1.3");
    EXPECT_EQ(m.icon, MsgIcon::Information);
    EXPECT_EQ(m.buttons, MsgButtons::Ok);
    EXPECT_EQ(w.lblStopky.Caption, "0:00:00");
    EXPECT_EQ(w.ActiveControl, &w.txtHod);
    EXPECT_EQ(alarms(), 0);
}

TEST_F(RunControl, PressesOnTheButtons) {
    start(w.optZa);
    w.cmdOK_MouseDown(mouse::Right, 0, 0, 0);
    w.cmdStorno_MouseDown(mouse::Right, 0, 0, 0);
    w.cmdStorno_MouseDown(mouse::Left, 0, 0, 0);
    EXPECT_EQ(rig.help.whatsThis.size(), 2u);
    EXPECT_EQ(w.RunState, 1);
    EXPECT_TRUE(rig.exit.codes.empty());
    // A modifier with a left click ends at once, also during a run.
    w.cmdStorno_MouseDown(mouse::Left, shiftstate::Ctrl, 0, 0);
    EXPECT_EQ(rig.exit.codes, std::vector<int>{0});
    EXPECT_TRUE(rig.messages.shown.empty() && rig.settings.writes.empty());
}

TEST_F(RunControl, AnOpenTextEditTakesOKAndStornoFromTheRun) {
    w.TextAlarmu();
    w.cboText.Text = "Nový";
    w.menuClick(w.mnuStart); // F2 confirms and starts nothing
    EXPECT_EQ(w.RunState, 0);
    EXPECT_EQ(w.AlarmText, "Nový");

    start(w.optZa);
    w.TextAlarmu();
    w.cboText.Text = "Jiný";
    w.SetFocus(w.cmdStorno); // the box's focus loss takes the typed text
    w.cmdStorno_Click();     // cancels the edit; the run goes on
    EXPECT_EQ(w.RunState, 1);
    EXPECT_EQ(w.AlarmText, "Nový");
    EXPECT_EQ(w.tlbCas.button("Text").ToolTipText, "Text alarmu: Nový");
    EXPECT_FALSE(w.cboText.Visible);
}

} // namespace
} // namespace tikanda::test
