#include "fakes.h"

#include <gtest/gtest.h>

namespace tikanda::test {
namespace {

class AlarmSound : public ::testing::Test {
protected:
    Rig r;
    FrmTikanda& w = r.w;

    // Button, check mark and SoundMode agree; returns the common state (1 on, 0 off).
    int agreedState() {
        const int pressed = w.tlbCas.button("Zvuk").Value;
        EXPECT_EQ(w.mnuZvuk.Checked, pressed == 1);
        EXPECT_EQ(r.program.SoundMode, pressed);
        return pressed;
    }
};

TEST_F(AlarmSound, MenuSwitchTogglesButtonCheckMarkAndMode) {
    ASSERT_EQ(agreedState(), 1);
    w.menuClick(w.mnuZvuk);
    EXPECT_EQ(agreedState(), 0);
    w.menuClick(w.mnuZvuk);
    EXPECT_EQ(agreedState(), 1);
}

TEST_F(AlarmSound, PressZvukFollowsTheButton) {
    w.tlbCas.button("Zvuk").Value = 0;
    w.PressZvuk();
    EXPECT_EQ(agreedState(), 0);
    w.tlbCas.button("Zvuk").Value = 1;
    w.PressZvuk();
    EXPECT_EQ(agreedState(), 1);
}

TEST_F(AlarmSound, MenuAndToolbarSwitchTheSameState) {
    w.toolbarClick("Zvuk");
    EXPECT_EQ(agreedState(), 0);
    w.menuClick(w.mnuZvuk);
    EXPECT_EQ(agreedState(), 1);
    w.toolbarClick("Zvuk");
    EXPECT_EQ(agreedState(), 0);
    w.toolbarClick("Zvuk");
    EXPECT_EQ(agreedState(), 1);
    w.menuClick(w.mnuZvuk);
    EXPECT_EQ(agreedState(), 0);
}

TEST_F(AlarmSound, ChoosingAFileAsksWithTheDialogsTitleAndFilter) {
    r.program.SoundFile = "/opt/tikanda/CILILINK.WAV";
    w.menuClick(w.mnuZvuk); // sound off
    r.dialogs.files.push_back("/home/eva/zvonek.wav");
    w.menuClick(w.mnuWave);
    ASSERT_EQ(r.dialogs.fileDialogs.size(), 1u);
    EXPECT_EQ(r.dialogs.fileDialogs[0],
              std::make_tuple(std::string("Výběr zvuku alarmu"), std::string("Zvukový soubor "),
                              std::string("*.wav")));
    EXPECT_EQ(r.program.SoundFile, "/home/eva/zvonek.wav");
    EXPECT_TRUE(r.sound.played.empty()); // neither tested nor played
    EXPECT_EQ(r.program.SoundMode, 0);
}

TEST_F(AlarmSound, CancelledFailedOrEmptyChoiceKeepsTheFile) {
    r.program.SoundFile = "/opt/tikanda/CILILINK.WAV";
    r.dialogs.files.push_back(std::nullopt);
    w.SelectSound();
    r.dialogs.files.push_back(std::string());
    w.SelectSound();
    EXPECT_EQ(r.dialogs.fileDialogs.size(), 2u);
    EXPECT_EQ(r.program.SoundFile, "/opt/tikanda/CILILINK.WAV");
}

} // namespace
} // namespace tikanda::test
