#include "fakes.h"

#include <gtest/gtest.h>

namespace tikanda::test {
namespace {

using namespace std::string_literals;

TEST(Switches, AnyCaseAnywhereInTheCommandLineTrimTheWindow) {
    const struct {
        const char* cmd;
        bool noMenu, noSound, noBar;
        int height;
    } cases[] = {{"", false, false, false, 3510},
                 {"tikanda /xNoMenuX", true, false, false, 3210},
                 {"tikanda -nobar", false, false, true, 3090},
                 {"tikanda NOBAR NOMENU", true, false, true, 2790},
                 {"tikanda NoSound", false, true, false, 3510},
                 {"tikanda xnosoundnobarnomenux", true, true, true, 2790},
                 {"tikanda no-menu no_bar nosund", false, false, false, 3510}};
    for (const auto& t : cases) {
        SCOPED_TRACE(t.cmd);
        Rig r;
        r.env.cmd = t.cmd;
        r.w.Form_Load();
        auto& w = r.w;
        EXPECT_EQ(w.Height, t.height);
        EXPECT_EQ(std::vector<bool>({w.mnuStopky.Visible, w.mnuAlarm.Visible,
                                     w.mnuNastaveni.Visible, w.mnuNapoveda.Visible}),
                  std::vector<bool>(4, !t.noMenu));
        EXPECT_EQ(std::make_tuple(w.NoBar, w.tlbCas.AlignTop, w.tlbCas.place.left,
                                  w.picTikanda.place.top),
                  std::make_tuple(t.noBar, !t.noBar, t.noBar ? -20000 : 0, t.noBar ? 0 : 420));
        EXPECT_EQ(std::vector<bool>({w.tlbCas.button("Zvuk").Enabled,
                                     w.tlbCas.button("Nastaveni").Enabled, w.mnuZvuk.Enabled,
                                     w.mnuWave.Enabled, r.program.SoundMode != -1}),
                  std::vector<bool>(5, !t.noSound));
        if (t.noSound) EXPECT_FALSE(w.mnuZvuk.Checked || w.tlbCas.button("Zvuk").Value);
    }
}

TEST(FormLoad, StartsTheWindowInOrder) {
    Rig r;
    bool splashDrawnFirst = false;
    r.windows.onDoEvents = [&] {
        splashDrawnFirst = r.w.frmSplash.Visible && !r.w.Visible &&
                           r.w.frmSplash.Lbl.Caption == "Nahrává se Tikanda" &&
                           r.settings.writes.empty();
    };
    r.w.Form_Load();
    EXPECT_TRUE(splashDrawnFirst);
    EXPECT_EQ(r.windows.events, 1);
    EXPECT_EQ(r.w.Caption, "Tikanda 1.3");
    EXPECT_EQ(r.help.file, "TIKANDA.HLP");
    EXPECT_EQ(r.w.linAlarm.Y2, 460);
    EXPECT_TRUE(r.w.Visible && !r.w.frmSplash.Visible);
    EXPECT_EQ(r.w.tlbCas.button("Text").ToolTipText, "Text alarmu: Budíček!");
}

TEST(Konec, ClosingAsksCancelsOnNeAndOnAnoShowsTheClosingBoxSavesAndEnds) {
    Rig r;
    r.w.Form_Load();
    r.w.RunState = 1;
    EXPECT_FALSE(r.w.closeRequested()); // "Ne"
    ASSERT_EQ(r.messages.shown.size(), 1u);
    const auto& m = r.messages.shown[0];
    EXPECT_EQ(std::make_tuple(m.text, m.title, m.icon, m.buttons, m.defaultNo),
              std::make_tuple("Ukončit program?"s, "Tikanda 1.3"s, MsgIcon::Question,
                              MsgButtons::YesNo, true));
    EXPECT_EQ(std::make_tuple(r.w.Answer, r.w.Visible, r.w.RunState, r.settings.flushes),
              std::make_tuple(1, true, 1, 0));

    r.w.AlarmText = "Čaj";
    r.settings.writes.clear();
    bool closingBoxDrawnBeforeSave = false;
    r.windows.onDoEvents = [&] {
        closingBoxDrawnBeforeSave = !r.w.Visible && r.w.frmSplash.Visible &&
                                    r.w.frmSplash.Lbl.Caption == "Ukončení Tikandy" &&
                                    r.settings.writes.empty();
    };
    ASSERT_TRUE(r.exit.codes.empty());
    r.messages.answers = {MsgAnswer::Yes};
    r.w.menuClick(r.w.mnuKonec);
    EXPECT_TRUE(closingBoxDrawnBeforeSave);
    EXPECT_EQ(r.settings.user("Text"), "Čaj");
    EXPECT_EQ(r.settings.flushes, 1);
    EXPECT_FALSE(r.w.frmSplash.Visible);
    EXPECT_EQ(r.exit.codes, std::vector<int>{0});
}

TEST(Konec, FailedSaveIsReportedThenTheProgramEnds) {
    Rig r;
    r.w.Form_Load();
    r.settings.failFlush = true;
    bool splashUpDuringReport = false;
    r.messages.whileShown = [&] { splashUpDuringReport = r.w.frmSplash.Visible; };
    r.messages.answers = {MsgAnswer::Yes};
    r.w.closeRequested();
    ASSERT_EQ(r.messages.shown.size(), 2u);
    const auto& m = r.messages.shown[1];
    EXPECT_EQ(std::make_tuple(m.text, m.title, m.icon, m.buttons),
              std::make_tuple("Nastavení se nepodařilo uložit."s, "Tikanda 1.3"s,
                              MsgIcon::Exclamation, MsgButtons::Ok));
    EXPECT_TRUE(splashUpDuringReport);
    EXPECT_EQ(r.exit.codes, std::vector<int>{0});
}

} // namespace
} // namespace tikanda::test
