#include "fakes.h"

#include <gtest/gtest.h>

namespace tikanda::test {
namespace {

struct Trim {
    std::string cmd;
    bool noMenu, noSound, noBar;
    int height;
};

class Switches : public ::testing::TestWithParam<Trim> {};

TEST_P(Switches, TrimTheWindow) {
    const Trim& t = GetParam();
    Rig r;
    r.env.cmd = t.cmd;
    r.w.Form_Load();

    EXPECT_EQ(r.w.Height, t.height);
    for (auto* m : {&r.w.mnuStopky, &r.w.mnuAlarm, &r.w.mnuNastaveni, &r.w.mnuNapoveda})
        EXPECT_EQ(m->Visible, !t.noMenu) << m->Name;
    EXPECT_FALSE(r.w.mnuBarva.Visible);
    EXPECT_FALSE(r.w.mnuRMB.Visible);

    EXPECT_EQ(r.w.NoBar, t.noBar);
    EXPECT_EQ(r.w.tlbCas.AlignTop, !t.noBar);
    EXPECT_EQ(r.w.tlbCas.place.left, t.noBar ? -20000 : 0);
    EXPECT_EQ(r.w.picTikanda.place.top, t.noBar ? 0 : 420);

    EXPECT_EQ(r.program.SoundMode == -1, t.noSound);
    EXPECT_EQ(r.w.tlbCas.button("Zvuk").Enabled, !t.noSound);
    EXPECT_EQ(r.w.tlbCas.button("Nastaveni").Enabled, !t.noSound);
    EXPECT_EQ(r.w.mnuZvuk.Enabled, !t.noSound);
    EXPECT_EQ(r.w.mnuWave.Enabled, !t.noSound);
    if (t.noSound) {
        EXPECT_EQ(r.w.tlbCas.button("Zvuk").Value, 0);
        EXPECT_FALSE(r.w.mnuZvuk.Checked);
    }
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, Switches,
    ::testing::Values(Trim{"", false, false, false, 3510},
                      Trim{"/usr/bin/tikanda", false, false, false, 3510},
                      Trim{"tikanda NOMENU", true, false, false, 3210},
                      Trim{"tikanda nomenu", true, false, false, 3210},
                      Trim{"tikanda /xNoMenuX", true, false, false, 3210},
                      Trim{"tikanda -nobar", false, false, true, 3090},
                      Trim{"tikanda NOBAR NOMENU", true, false, true, 2790},
                      Trim{"tikanda nomenunobar", true, false, true, 2790},
                      Trim{"tikanda NoSound", false, true, false, 3510},
                      Trim{"tikanda xnosoundnobarnomenux", true, true, true, 2790},
                      Trim{"tikanda no-menu no_bar nosund", false, false, false, 3510}));

TEST(FormLoad, StartsTheWindowInOrder) {
    Rig r;
    r.env.cmd = "tikanda nomenu";
    bool splashDrawnFirst = false;
    r.windows.onDoEvents = [&] {
        splashDrawnFirst = r.w.frmSplash.Visible && !r.w.Visible &&
                           r.w.frmSplash.Lbl.Caption == "Nahrává se Tikanda" &&
                           r.settings.writes.empty();
    };
    r.w.Form_Load();

    EXPECT_TRUE(splashDrawnFirst);
    EXPECT_EQ(r.windows.events, 1);
    EXPECT_EQ(r.w.WorkText, "TIKANDA NOMENU");
    EXPECT_EQ(r.w.RunState, 0);
    EXPECT_EQ(r.w.OneSec, 1);
    EXPECT_EQ(r.w.Caption, "Tikanda 1.3");
    EXPECT_EQ(r.help.file, "TIKANDA.HLP");
    EXPECT_EQ(r.w.linAlarm.X1, 480);
    EXPECT_EQ(r.w.linAlarm.Y1, 480);
    EXPECT_EQ(r.w.linAlarm.X2, 480);
    EXPECT_EQ(r.w.linAlarm.Y2, 460);
    EXPECT_FALSE(r.w.frmSplash.Visible);
    EXPECT_TRUE(r.w.Visible);
    EXPECT_EQ(r.w.activateRequests, 1);
    // Settings loaded: "Default" written first, values in the window.
    EXPECT_EQ(r.settings.def("Text"), "Budíček!");
    EXPECT_EQ(r.w.AlarmText, "Budíček!");
    EXPECT_EQ(r.w.tlbCas.button("Text").ToolTipText, "Text alarmu: Budíček!");
    EXPECT_TRUE(r.messages.shown.empty());
}

TEST(FormLoad, TooltipNamesTheStoredText) {
    Rig r;
    r.settings.values[{"RVTikanda", "User", "Text"}] = "";
    r.w.Form_Load();
    EXPECT_EQ(r.w.tlbCas.button("Text").ToolTipText, "Text alarmu: ");
    EXPECT_EQ(r.w.tlbCas.button("Text").Image, "TextG");
}

TEST(FormLoad, StoredIconOptionIsShownButDoesNotMinimise) {
    Rig r;
    r.settings.values[{"RVTikanda", "User", "Ikona"}] = "1";
    r.w.Form_Load();
    EXPECT_EQ(r.w.tlbCas.button("Min").Value, 1);
    EXPECT_TRUE(r.w.mnuIkona.Checked);
    EXPECT_EQ(r.w.WindowState, 0);
}

TEST(Konec, AnoHidesShowsTheClosingBoxSavesAndEnds) {
    Rig r;
    r.w.Form_Load();
    r.w.AlarmText = "Čaj";
    r.settings.writes.clear();
    r.messages.shown.clear();
    const int events = r.windows.events;

    bool closingBoxDrawnBeforeSave = false;
    r.windows.onDoEvents = [&] {
        closingBoxDrawnBeforeSave = !r.w.Visible && r.w.frmSplash.Visible &&
                                    r.w.frmSplash.Lbl.Caption == "Ukončení Tikandy" &&
                                    r.settings.writes.empty();
    };
    r.messages.answers = {MsgAnswer::Yes};
    r.w.menuClick(r.w.mnuKonec);

    ASSERT_EQ(r.messages.shown.size(), 1u);
    const auto& m = r.messages.shown[0];
    EXPECT_EQ(m.text, "Ukončit program?");
    EXPECT_EQ(m.title, "Tikanda 1.3");
    EXPECT_EQ(m.icon, MsgIcon::Question);
    EXPECT_EQ(m.buttons, MsgButtons::YesNo);
    EXPECT_TRUE(m.defaultNo);

    EXPECT_TRUE(closingBoxDrawnBeforeSave);
    EXPECT_EQ(r.windows.events, events + 1);
    EXPECT_EQ(r.settings.user("Text"), "Čaj");
    EXPECT_EQ(r.settings.flushes, 1);
    EXPECT_FALSE(r.w.Visible);
    EXPECT_FALSE(r.w.frmSplash.Visible);
    EXPECT_EQ(r.exit.codes, std::vector<int>{0});
}

TEST(Konec, NeKeepsEverything) {
    Rig r;
    r.w.Form_Load();
    r.w.RunState = 1;
    r.messages.answers = {MsgAnswer::No};
    r.w.Konec();
    EXPECT_EQ(r.w.Answer, 1);
    EXPECT_TRUE(r.w.Visible);
    EXPECT_EQ(r.w.RunState, 1);
    EXPECT_EQ(r.settings.flushes, 0);
    EXPECT_EQ(r.settings.user("Text"), "<absent>");
    EXPECT_TRUE(r.exit.codes.empty());
}

TEST(Konec, ClosingTheWindowAsksAndIsCancelledOnNe) {
    Rig r;
    r.w.Form_Load();
    r.w.RunState = 1;
    r.messages.answers = {MsgAnswer::No};
    EXPECT_FALSE(r.w.closeRequested());
    EXPECT_EQ(r.messages.shown.size(), 1u);
    EXPECT_EQ(r.messages.shown[0].text, "Ukončit program?");
    EXPECT_TRUE(r.w.Visible);
    EXPECT_EQ(r.w.RunState, 1);
    EXPECT_TRUE(r.exit.codes.empty());

    r.messages.answers = {MsgAnswer::Yes};
    r.w.closeRequested();
    EXPECT_EQ(r.exit.codes, std::vector<int>{0});
    EXPECT_EQ(r.settings.flushes, 1);
}

TEST(Konec, FailedSaveIsReportedThenTheProgramEnds) {
    Rig r;
    r.w.Form_Load();
    r.settings.failFlush = true;
    bool splashUpDuringReport = false;
    r.messages.whileShown = [&] {
        if (r.messages.shown.size() == 2) splashUpDuringReport = r.w.frmSplash.Visible;
    };
    r.messages.answers = {MsgAnswer::Yes};
    r.w.Konec();

    ASSERT_EQ(r.messages.shown.size(), 2u);
    const auto& m = r.messages.shown[1];
    EXPECT_EQ(m.text, "Nastavení se nepodařilo uložit.");
    EXPECT_EQ(m.title, "Tikanda 1.3");
    EXPECT_EQ(m.icon, MsgIcon::Exclamation);
    EXPECT_EQ(m.buttons, MsgButtons::Ok);
    EXPECT_TRUE(splashUpDuringReport);
    EXPECT_FALSE(r.w.frmSplash.Visible);
    EXPECT_EQ(r.exit.codes, std::vector<int>{0});
}

} // namespace
} // namespace tikanda::test
