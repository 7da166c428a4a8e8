#include "fakes.h"

#include <gtest/gtest.h>

namespace tikanda::test {
namespace {

class RunControl : public ::testing::Test {
protected:
    Rig rig;
    FrmTikanda& w = rig.w;

    void SetUp() override {
        w.AlarmText = "Budíček!";
        rig.program.SoundFile = "/snd/alarm.wav";
    }
    void mode(form::Control& opt) {
        w.optV.Value = w.optZa.Value = w.optS.Value = false;
        opt.Value = true;
    }
    void fields(const char* h, const char* m, const char* s) {
        w.txtHod.Text = h;
        w.txtMin.Text = m;
        w.txtSec.Text = s;
    }
    void start(form::Control& opt, const char* h = "0", const char* m = "05",
               const char* s = "00") {
        mode(opt);
        fields(h, m, s);
        w.cmdOK_Click();
    }
    // The run commands as one state leaves them: one column of the appearance table.
    struct Look {
        bool ok;
        const char* caption;
        const char* tip;
        int help;
        bool frames;
        bool start, pause, stop;
    };
    void expectLook(const Look& l) {
        EXPECT_EQ(w.cmdOK.Enabled, l.ok);
        EXPECT_EQ(w.cmdOK.Caption, "OK");
        EXPECT_EQ(w.cmdStorno.Caption, l.caption);
        EXPECT_EQ(w.cmdStorno.ToolTipText, l.tip);
        EXPECT_EQ(w.cmdStorno.WhatsThisHelpID, l.help);
        EXPECT_EQ(w.fraNastav.Enabled, l.frames);
        EXPECT_EQ(w.fraAlarm.Enabled, l.frames);
        EXPECT_EQ(w.tlbCas.button("Start").Enabled, l.start);
        EXPECT_EQ(w.tlbCas.button("Pauza").Enabled, l.pause);
        EXPECT_EQ(w.tlbCas.button("Stop").Enabled, l.stop);
        EXPECT_EQ(w.mnuStart.Enabled, l.start);
        EXPECT_EQ(w.mnuPauza.Enabled, l.pause);
        EXPECT_EQ(w.mnuStop.Enabled, l.stop);
    }
    const Look stopped{true, "Storno", "Ukončí program", 13027, true, true, false, false};
    const Look runningV{false, "Stop", "Ukončí odpočet", 13030, false, false, false, true};
    const Look runningZa{false, "Pauza", "Pozastaví odečet", 13025, false, false, true, true};
    const Look runningS{false, "Pauza", "Pozastaví stopky", 13025, false, false, true, true};
    const Look paused{true, "Stop", "Ukončí odpočet", 13030, false, true, false, true};
};

TEST_F(RunControl, AppearanceOfEveryRunState) {
    expectLook(stopped); // as laid out at creation
    start(w.optV);
    expectLook(runningV);
    w.Stopka();
    expectLook(stopped);
    start(w.optZa);
    expectLook(runningZa);
    w.Pauza();
    expectLook(paused);
    w.Stopka();
    expectLook(stopped);
    start(w.optS);
    expectLook(runningS);
    w.Pauza();
    expectLook(paused);
    w.cmdOK_Click();
    expectLook(runningS);
}

TEST_F(RunControl, StartReadsTheFieldsInEveryMode) {
    rig.clock.set(9, 0, 0);
    start(w.optV, "14", "30", "20");
    EXPECT_EQ(w.RunState, 1);
    EXPECT_EQ(w.lblStopky.Caption, "14:30:20");
    EXPECT_EQ(w.lastRunCheck, rig.clock.now());
    w.Stopka();
    EXPECT_EQ(w.lblStopky.Caption, "14:30:20"); // kept after a stop
    start(w.optZa, "7", "05", "00");
    EXPECT_EQ(w.RunTime, 7 * 3600 + 5 * 60);
    EXPECT_GT(w.linAlarm.X1, 300); // the mark moved towards 7 o'clock
    EXPECT_GT(w.linAlarm.Y1, 720);
    w.Stopka();
    start(w.optS, "x", "05", "00"); // not a time: starts from 0
    EXPECT_EQ(w.lblStopky.Caption, "0:00:00");
    EXPECT_EQ(w.RunTime, 0);
}

TEST_F(RunControl, StartPreloadsTheSoundOnlyWhenSoundIsOn) {
    start(w.optZa);
    EXPECT_EQ(rig.sound.preloaded, std::vector<std::string>{"/snd/alarm.wav"});
    w.Stopka();
    rig.program.SoundMode = 0;
    start(w.optZa);
    EXPECT_EQ(rig.sound.preloaded.size(), 1u);
}

TEST_F(RunControl, PauseHoldsAndResumeContinuesFromTheHeldValue) {
    start(w.optZa, "0", "05", "00");
    rig.tick(70);
    w.cmdStorno_Click();
    EXPECT_EQ(w.RunState, 2);
    EXPECT_EQ(w.ActiveControl, &w.cmdOK);
    rig.tick(10);
    EXPECT_EQ(w.lblStopky.Caption, "0:03:50");
    fields("1", "00", "00"); // a resume does not read the fields
    w.cmdOK_Click();
    EXPECT_EQ(w.RunTime, 230);
    rig.tick(229);
    EXPECT_EQ(rig.windows.loaded, 0);
    rig.tick();
    EXPECT_EQ(rig.windows.loaded, 1);
}

TEST_F(RunControl, StornoStopsATimeOfDayRunAndAPausedRun) {
    start(w.optV);
    w.cmdStorno_Click();
    EXPECT_EQ(w.RunState, 0);
    EXPECT_EQ(w.ActiveControl, &w.txtHod);
    start(w.optS);
    w.cmdStorno_Click();
    ASSERT_EQ(w.RunState, 2);
    w.cmdStorno_Click();
    EXPECT_EQ(w.RunState, 0);
    expectLook(stopped);
}

TEST_F(RunControl, StoppingByHandRaisesNoAlarm) {
    start(w.optZa, "0", "05", "00");
    rig.tick(3);
    rig.program.AlarmUp = true;
    w.Stopka();
    EXPECT_EQ(w.lblStopky.Caption, "0:04:57");
    EXPECT_EQ(w.lblStopky.ToolTipText, "Pravé tlačítko myši nastaví barvu");
    EXPECT_FALSE(rig.program.AlarmUp);
    EXPECT_TRUE(rig.sound.played.empty());
    EXPECT_TRUE(rig.keys.sent.empty());
    EXPECT_TRUE(rig.messages.shown.empty());
    EXPECT_EQ(rig.windows.loaded, 0);
    EXPECT_EQ(w.Caption, "Tikanda 1.3");
}

TEST_F(RunControl, StoppingTheStopwatchReportsItsTime) {
    start(w.optS, "0", "12", "30");
    rig.tick(4);
    w.toolbarClick("Stop");
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    const auto& m = rig.messages.shown[0];
    EXPECT_EQ(m.text, "Čas 0:12:34");
    EXPECT_EQ(m.title, "Tikanda 1.3");
    EXPECT_EQ(m.icon, MsgIcon::Information);
    EXPECT_EQ(m.buttons, MsgButtons::Ok);
    EXPECT_EQ(w.lblStopky.Caption, "0:00:00");
    EXPECT_EQ(w.RunState, 0);
    EXPECT_EQ(w.ActiveControl, &w.txtHod);
    EXPECT_TRUE(rig.sound.played.empty());
    EXPECT_EQ(rig.windows.loaded, 0);
}

TEST_F(RunControl, ToolbarAndMenuRunTheRunCommands) {
    mode(w.optZa);
    fields("0", "00", "09");
    w.toolbarClick("Start");
    EXPECT_EQ(w.RunState, 1);
    w.toolbarClick("Pauza");
    EXPECT_EQ(w.RunState, 2);
    w.menuClick(w.mnuStart);
    EXPECT_EQ(w.RunState, 1);
    w.menuClick(w.mnuPauza);
    EXPECT_EQ(w.RunState, 2);
    w.menuClick(w.mnuStop);
    EXPECT_EQ(w.RunState, 0);
}

TEST_F(RunControl, MinOptionMinimisesAtStart) {
    w.tlbCas.button("Min").Value = 1;
    start(w.optS);
    EXPECT_EQ(w.WindowState, 1);
}

TEST_F(RunControl, ModifierLeftClickOnStornoEndsAtOnceEvenDuringARun) {
    start(w.optZa);
    w.cmdStorno_MouseDown(mouse::Left, 0, 0, 0);
    EXPECT_TRUE(rig.exit.codes.empty());
    w.cmdStorno_MouseDown(mouse::Left, shiftstate::Ctrl, 0, 0);
    EXPECT_EQ(rig.exit.codes, std::vector<int>{0});
    EXPECT_TRUE(rig.messages.shown.empty());
    EXPECT_TRUE(rig.settings.writes.empty());
}

TEST_F(RunControl, RightPressOnTheButtonsStartsNothing) {
    mode(w.optZa);
    w.cmdOK_MouseDown(mouse::Right, 0, 0, 0);
    w.cmdStorno_MouseDown(mouse::Right, 0, 0, 0);
    EXPECT_EQ(w.RunState, 0);
    EXPECT_TRUE(rig.exit.codes.empty());
    EXPECT_TRUE(rig.messages.shown.empty());
}

// Opens the alarm-text edit as TextAlarmu does: box shown, toolbar buttons hidden.
class TextEdit : public RunControl {
protected:
    void open(const std::string& typed) {
        w.TextBeforeEdit = w.AlarmText;
        w.cboText.Visible = true;
        w.cboText.Text = typed;
        for (int i = 1; i <= 11; ++i)
            w.tlbCas(i).Visible = false;
        w.cmdOK.ToolTipText = "Potvrdí zadání textu";
        w.cmdStorno.ToolTipText = "Vrátí původní text";
    }
    void expectClosed() {
        EXPECT_FALSE(w.cboText.Visible);
        for (int i = 1; i <= 11; ++i)
            EXPECT_TRUE(w.tlbCas(i).Visible) << i;
        EXPECT_EQ(w.cmdOK.ToolTipText, "Spustí časomíru");
        EXPECT_EQ(w.cmdStorno.ToolTipText, "Ukončí program");
    }
};

TEST_F(TextEdit, ConfirmWithStartMenuTakesTheTextAndStartsNothing) {
    w.Texts = {"", "Budíček!", "Alarm!", "Hlášení", "Pozor!", "Varování!"};
    w.Answer = 0;
    open("Nový");
    w.menuClick(w.mnuStart);
    EXPECT_EQ(w.RunState, 0);
    EXPECT_EQ(w.AlarmText, "Nový");
    EXPECT_EQ(w.lblAlarm.Caption, "Nový");
    EXPECT_EQ(w.tlbCas.button("Text").ToolTipText, "Text alarmu: Nový");
    EXPECT_EQ(w.tlbCas.button("Text").Image, "TextY");
    expectClosed();
}

TEST_F(TextEdit, ConfirmImageFollowsTheTextsPlace) {
    w.Texts = {"", "Budíček!", "Alarm!", "Hlášení", "Pozor!", "Varování!"};
    w.Answer = 1;
    open("Budíček!");
    w.cmdOK_Click();
    EXPECT_EQ(w.tlbCas.button("Text").Image, "TextB");

    w.Texts = {"", "", "Alarm!", "Hlášení", "Pozor!", "Varování!"};
    w.Answer = 1;
    open("");
    w.cmdOK_Click();
    EXPECT_EQ(w.tlbCas.button("Text").Image, "TextB");

    w.Texts = {"", "Budíček!", "Alarm!", "Hlášení", "Pozor!", "Varování!"};
    w.Answer = 0;
    open("");
    w.cmdOK_Click();
    EXPECT_EQ(w.tlbCas.button("Text").Image, "TextG");
}

TEST_F(TextEdit, ConfirmDuringARunLeavesTheRunAndSendsTheBarAwayAgain) {
    start(w.optZa);
    w.NoBar = true;
    open("Nový");
    w.tlbCas.place.left = 0;
    w.cmdOK_Click();
    EXPECT_EQ(w.RunState, 1);
    EXPECT_EQ(w.tlbCas.place.left, -20000);
    expectClosed();
}

TEST_F(TextEdit, CancelRestoresTheTextBeforeTheEdit) {
    start(w.optZa);
    w.tlbCas.button("Text").Image = "TextB";
    open("Jiný");
    w.AlarmText = "Jiný"; // the box's focus loss has copied the typed text
    w.cmdStorno_Click();
    EXPECT_EQ(w.RunState, 1); // not paused
    EXPECT_EQ(w.AlarmText, "Budíček!");
    EXPECT_EQ(w.cboText.Text, "Budíček!");
    EXPECT_EQ(w.tlbCas.button("Text").ToolTipText, "Text alarmu: Budíček!");
    EXPECT_EQ(w.tlbCas.button("Text").Image, "TextB");
    EXPECT_EQ(w.lblAlarm.Caption, "Text alarmu.");
    EXPECT_EQ(w.tlbCas.place.left, 0);
    expectClosed();
}

} // namespace
} // namespace tikanda::test
