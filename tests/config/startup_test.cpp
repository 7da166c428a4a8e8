#include "fakes.h"

#include <gtest/gtest.h>

namespace tikanda::test {
namespace {

TEST(Switches, AnyCaseAnywhereInTheCommandLineTrimTheWindow) {
    // The command line, then whether it holds NOMENU, NOSOUND, NOBAR, and the window height.
    const std::tuple<const char*, bool, bool, bool, int> cases[] = {
        {"tikanda /xNoMenuX", true, false, false, 3210},
        {"tikanda -nobar", false, false, true, 3090},
        {"tikanda NoSound", false, true, false, 3510},
        {"tikanda xnosoundnobarnomenux", true, true, true, 2790},
        {"tikanda no-menu no_bar nosund", false, false, false, 3510}};
    for (const auto& [cmd, noMenu, noSound, noBar, height] : cases) {
        SCOPED_TRACE(cmd);
        Rig r;
        r.env.cmd = cmd;
        r.settings.values[{"RVTikanda", "User", "Zvuk"}] = "1";
        r.settings.values[{"RVTikanda", "User", "WAV"}] = "/home/u/zvon.wav";
        r.w.Form_Load();
        auto& w = r.w;
        EXPECT_EQ(std::make_tuple(w.Height, w.mnuStopky.Visible, w.mnuNapoveda.Visible),
                  std::make_tuple(height, !noMenu, !noMenu));
        EXPECT_EQ(std::make_tuple(w.NoBar, w.tlbCas.place.left, w.picTikanda.place.top),
                  std::make_tuple(noBar, noBar ? -20000 : 0, noBar ? 0 : 420));
        // NOSOUND disables the sound commands and does not load the sound settings.
        EXPECT_EQ(std::vector<bool>({w.tlbCas.button("Zvuk").Enabled, w.mnuWave.Enabled,
                                     r.program.SoundMode == 1,
                                     r.program.SoundFile == "/home/u/zvon.wav"}),
                  std::vector<bool>(4, !noSound));
    }
}

TEST(FormLoadAndKonec, SplashFirstThenTheWindowOnCloseAQuestionTheClosingBoxAndTheSave) {
    Rig r;
    // What is on screen and how much is written whenever events are processed or a message
    // is shown.
    std::vector<std::string> seen;
    auto look = [&](const std::string& when) {
        seen.push_back(when + (r.w.Visible ? " | window" : " |") +
                       (r.w.frmSplash.Visible ? " | " + r.w.frmSplash.Lbl.Caption : " |") + " | " +
                       std::to_string(r.settings.writes.size()));
    };
    r.windows.onDoEvents = [&] { look("events"); };
    r.messages.whileShown = [&] { look(r.messages.shown.back().text); };
    r.w.Form_Load();
    EXPECT_EQ(r.help.file, "TIKANDA.HLP");

    EXPECT_FALSE(r.w.closeRequested()); // "Ne"
    r.w.AlarmText = "Čaj";
    r.messages.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    r.w.menuClick(r.w.mnuKonec);
    EXPECT_EQ(r.settings.get("RVTikanda", "User", "Text", ""), "Čaj");
    r.settings.failFlush = true; // reported with the closing box gone; the program ends
    r.w.closeRequested();
    // The first save writes the changed text with its list (6 values), the second nothing.
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "events | | Nahrává se Tikanda | 0", "Ukončit program? | window | | 13",
                        "Ukončit program? | window | | 13", "events | | Ukončení Tikandy | 13",
                        "Ukončit program? | | | 19", "events | | Ukončení Tikandy | 19",
                        "Nastavení se nepodařilo uložit. | | | 19"}));
    EXPECT_EQ(r.exit.codes, (std::vector<int>{0, 0}));
}

} // namespace
} // namespace tikanda::test
