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
    FrmAlarm& a = *w.frmAlarm();
    EXPECT_TRUE(rig.sound.preloaded.empty() && rig.sound.played.empty());
    EXPECT_EQ(a.lblAlarm[0].Caption + " " + a.lblAlarm[3].Caption, "Budíček! 09:00:03");
    // Restored in the same tick, with the focus in the hours field.
    EXPECT_EQ(w.WindowState, 0);
    EXPECT_EQ(w.Caption, "Tikanda 1.3");
    EXPECT_EQ(w.ActiveControl, &w.txtHod);
    // A click handled before the window's first tick ends it there.
    rig.windows.onDoEvents = [&] { a.Form_Click(); };
    rig.tick();
    EXPECT_EQ(a.lblAlarm[2].Caption, "0:00:00");
    EXPECT_EQ(w.frmAlarm(), nullptr);
}

TEST_F(AlarmTest, ElapsedTimeAcrossMidnightAndTheRepetitionOnceAMinuteWhileSoundIsOn) {
    rig.clock.set(23, 59, 27);
    FrmAlarm& a = fire();
    EXPECT_EQ(rig.sound.preloaded, std::vector<std::string>{"/snd/alarm.wav"});
    EXPECT_EQ(rig.sound.played, rig.sound.preloaded);
    std::vector<std::string> playedAt; // the elapsed time shown at each repetition
    for (int i = 1; i <= 180; ++i) {
        rig.program.SoundMode = i > 60 && i <= 120 ? 0 : 1; // off in the second minute
        const auto before = rig.sound.played.size();
        rig.tick();
        if (rig.sound.played.size() > before) playedAt.push_back(a.lblAlarm[2].Caption);
    }
    EXPECT_EQ(playedAt, (std::vector<std::string>{"–0:00:59", "–0:02:59"}));
    EXPECT_EQ(rig.keys.sent, std::vector<int>(181, vk::F16));
    // Activity for the screen saver with every F16; the inhibition held all along.
    EXPECT_EQ(rig.screenSaver.calls, "ai" + std::string(180, 'a'));
}

TEST_F(AlarmTest, AClickOrAKeyUpToF13ClosesTheWindowForGood) {
    // Key codes; 0 stands for a click on the window, -1 for one on a label.
    for (int key : {1, vk::Escape, vk::Enter, vk::A, vk::F13, 0, -1}) {
        rig.screenSaver.calls.clear();
        FrmAlarm& a = fire();
        for (int ignored : {vk::F14, vk::F16, 200}) // such as the window's own F16
            a.Form_KeyUp(ignored, 0);
        rig.tick();
        EXPECT_EQ(a.lblAlarm[2].Caption, "–0:00:01") << key; // each window counts anew
        key > 0 ? a.Form_KeyUp(key, 0) : key ? a.lblAlarm_Click(3) : a.Form_Click();
        EXPECT_TRUE(!a.Visible && !w.frmAlarm()) << key;
        EXPECT_EQ(rig.screenSaver.calls, "aiau") << key; // the inhibition ends with the window
        EXPECT_EQ(rig.sound.released, 1) << key;         // and the decoded sound is freed
        rig.sound.released = 0;
    }
}

// A dismissal handled inside the alarm window's own tick, and in the same round of events a
// new alarm: the old window lives to the end of its tick and goes right after it.
TEST_F(AlarmTest, AWindowReplacedInsideItsOwnTickGoesAfterIt) {
    FrmAlarm& a = fire();
    const std::size_t aTimer = rig.timers.timers.size() - 1;
    bool aliveAfterTheNewAlarm = false, once = true;
    rig.windows.onDoEvents = [&] {
        if (!std::exchange(once, false)) return;
        a.Form_Click();
        start(w.optZa, "0", "00", "00");
        w.tmrAlarm_Timer();
        aliveAfterTheNewAlarm = rig.timers.timers[aTimer].alive;
    };
    rig.timers.timers[aTimer].onTick();
    EXPECT_TRUE(aliveAfterTheNewAlarm);
    EXPECT_FALSE(rig.timers.timers[aTimer].alive);
    ASSERT_NE(w.frmAlarm(), nullptr);
    EXPECT_NE(w.frmAlarm(), &a);
}

} // namespace
} // namespace tikanda::test
