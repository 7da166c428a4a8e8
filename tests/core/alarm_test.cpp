#include "core_helpers.h"

namespace tikanda::test {
namespace {

class AlarmTest : public CoreTest {
protected:
    // A countdown of three seconds that has just fired; the clock stands at the alarm.
    FrmAlarm& fire() {
        start(w.optZa, "0", "00", "03");
        rig.tick(3);
        EXPECT_NE(w.frmAlarm(), nullptr);
        return *w.frmAlarm();
    }
    int plays() const { return int(rig.sound.played.size()); }
};

TEST_F(AlarmTest, ADueAlarmOpensTheWindowAndRestoresTheStoppedMainWindow) {
    rig.clock.set(9, 0, 0);
    rig.program.SoundMode = 0; // no sound at all
    w.tlbCas.button("Min").Value = 1;
    start(w.optZa, "0", "00", "03");
    EXPECT_EQ(w.WindowState, 1); // the Min option minimises at the start
    rig.tick(2);
    EXPECT_EQ(w.Caption, "Za 0:00:01 alarm: Budíček!");
    rig.tick();
    ASSERT_NE(w.frmAlarm(), nullptr);
    const FrmAlarm& a = *w.frmAlarm();
    EXPECT_TRUE(rig.sound.preloaded.empty() && rig.sound.played.empty());
    EXPECT_EQ(rig.keys.sent, std::vector<int>{vk::F16});
    EXPECT_TRUE(a.Visible && a.activateRequests > 0);
    EXPECT_EQ(a.lblAlarm[0].Caption, "Budíček!");
    EXPECT_EQ(a.lblAlarm[3].Caption, "09:00:03");
    EXPECT_TRUE(rig.program.AlarmUp);
    EXPECT_FALSE(rig.mainTimer().enabled());
    // Restored and stopped in the same tick, with the focus in the hours field.
    EXPECT_EQ(look(), kStopped);
    EXPECT_EQ(w.WindowState, 0);
    EXPECT_EQ(w.Caption, "Tikanda 1.3");
    EXPECT_EQ(w.lblStopky.Caption, "0:00:00");
    EXPECT_EQ(w.lblStopky.ToolTipText, "Odečet času");
    EXPECT_EQ(w.ActiveControl, &w.txtHod);
}

TEST_F(AlarmTest, ElapsedTimeAcrossMidnightAndTheRepetitionOnceAMinuteWhileSoundIsOn) {
    rig.clock.set(23, 59, 27);
    FrmAlarm& a = fire();
    EXPECT_EQ(rig.sound.preloaded, std::vector<std::string>{"/snd/alarm.wav"});
    EXPECT_EQ(rig.sound.played, rig.sound.preloaded);
    EXPECT_EQ(a.lblAlarm[3].Caption, "23:59:30");
    rig.tick(58);
    EXPECT_EQ(plays(), 1);
    rig.tick();
    EXPECT_EQ(a.lblAlarm[2].Caption, "–0:00:59");
    EXPECT_EQ(plays(), 2);
    rig.program.SoundMode = 0; // switched off meanwhile: the next repetition is silent
    rig.tick(60);
    EXPECT_EQ(plays(), 2);
    rig.program.SoundMode = 1;
    rig.tick(60);
    EXPECT_EQ(a.lblAlarm[2].Caption, "–0:02:59");
    EXPECT_EQ(plays(), 3);
    EXPECT_EQ(rig.keys.sent, std::vector<int>(180, vk::F16));
}

TEST_F(AlarmTest, AClickOrAKeyUpToF13ClosesTheWindowForGood) {
    FrmAlarm& a = fire();
    for (int key : {vk::F14, vk::F16, 200}) // such as the window's own F16: ignored
        a.Form_KeyUp(key, 0);
    EXPECT_EQ(w.frmAlarm(), &a);
    a.lblAlarm_Click(3);
    EXPECT_FALSE(a.Visible);
    EXPECT_TRUE(rig.mainTimer().enabled());
    EXPECT_TRUE(rig.program.AlarmUp); // cleared only by the main window's key rule
    const auto keys = rig.keys.sent.size();
    rig.tick(60);
    EXPECT_EQ(rig.keys.sent.size(), keys);

    for (int key : {1, vk::Escape, vk::Enter, vk::A, vk::F13, 0 /* a click */}) {
        FrmAlarm& b = fire();
        rig.tick();
        EXPECT_EQ(b.lblAlarm[2].Caption, "–0:00:01") << key; // each window counts anew
        key ? b.Form_KeyUp(key, 0) : b.Form_Click();
        EXPECT_EQ(w.frmAlarm(), nullptr) << key;
    }
}

TEST_F(AlarmTest, AClickHandledBeforeTheTickEndsIt) {
    FrmAlarm& a = fire();
    const auto keys = rig.keys.sent.size();
    rig.windows.onDoEvents = [&] { a.Form_Click(); };
    rig.tick();
    EXPECT_EQ(a.lblAlarm[2].Caption, "0:00:00");
    EXPECT_EQ(rig.keys.sent.size(), keys);
    EXPECT_EQ(w.frmAlarm(), nullptr);
}

} // namespace
} // namespace tikanda::test
