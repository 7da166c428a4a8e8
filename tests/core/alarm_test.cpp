#include "fakes.h"

#include <gtest/gtest.h>

namespace tikanda::test {
namespace {

class AlarmTest : public ::testing::Test {
protected:
    Rig rig;
    FrmTikanda& w = rig.w;

    void SetUp() override {
        w.AlarmText = "Budíček!";
        rig.program.SoundFile = "/snd/alarm.wav";
        rig.clock.set(9, 0, 0);
    }
    // A countdown of `seconds` that has just fired; the clock stands at the alarm.
    FrmAlarm& fire(int seconds = 3) {
        w.optV.Value = false;
        w.optZa.Value = true;
        w.txtHod.Text = "0";
        w.txtMin.Text = "00";
        w.txtSec.Text = std::to_string(seconds);
        w.cmdOK_Click();
        rig.tick(seconds);
        EXPECT_NE(w.frmAlarm(), nullptr);
        return *w.frmAlarm();
    }
    int plays() const { return int(rig.sound.played.size()); }
};

TEST_F(AlarmTest, ACountdownRaisesTheAlarm) {
    FrmAlarm& a = fire(3);
    EXPECT_EQ(rig.sound.played, std::vector<std::string>{"/snd/alarm.wav"});
    EXPECT_EQ(rig.keys.sent, std::vector<int>{127});
    EXPECT_TRUE(a.Visible);
    EXPECT_GE(a.activateRequests, 1);
    EXPECT_EQ(a.lblAlarm[0].Caption, "Budíček!");
    EXPECT_EQ(a.lblAlarm[3].Caption, "09:00:03");
    EXPECT_EQ(a.lblAlarm[2].Caption, "0:00:00");
    EXPECT_TRUE(rig.program.AlarmUp);
    EXPECT_FALSE(rig.mainTimer().enabled());
    EXPECT_EQ(w.lblStopky.Caption, "0:00:00");
    EXPECT_TRUE(rig.messages.shown.empty());
    // The main window is stopped, with the focus in the hours field.
    EXPECT_EQ(w.RunState, 0);
    EXPECT_TRUE(w.fraNastav.Enabled);
    EXPECT_TRUE(w.cmdOK.Enabled);
    EXPECT_EQ(w.cmdStorno.Caption, "Storno");
    EXPECT_TRUE(w.mnuStart.Enabled);
    EXPECT_FALSE(w.tlbCas.button("Stop").Enabled);
    EXPECT_EQ(w.ActiveControl, &w.txtHod);
    EXPECT_EQ(w.Caption, "Tikanda 1.3");
}

TEST_F(AlarmTest, NoSoundWhenSoundIsOff) {
    rig.program.SoundMode = 0;
    FrmAlarm& a = fire();
    rig.tick(120);
    EXPECT_TRUE(rig.sound.played.empty());
    EXPECT_TRUE(a.Visible);
}

TEST_F(AlarmTest, TheMainTickRestsWhileTheWindowIsOpen) {
    FrmAlarm& a = fire();
    rig.tick(5);
    EXPECT_EQ(w.lblAktualni.Caption, "9:00:03");
    a.Form_Click();
    EXPECT_TRUE(rig.mainTimer().enabled());
    rig.tick();
    EXPECT_EQ(w.lblAktualni.Caption, "9:00:09");
}

TEST_F(AlarmTest, ElapsedTimeAndTheRepetitionOnceAMinute) {
    FrmAlarm& a = fire();
    rig.tick();
    EXPECT_EQ(a.lblAlarm[2].Caption, "–0:00:01");
    EXPECT_EQ(rig.keys.sent.size(), 2u); // the alarm's F16 and the window's first
    rig.tick(57);
    EXPECT_EQ(plays(), 1);
    rig.tick();
    EXPECT_EQ(a.lblAlarm[2].Caption, "–0:00:59");
    EXPECT_EQ(plays(), 2);
    rig.tick(59);
    EXPECT_EQ(plays(), 2);
    rig.tick();
    EXPECT_EQ(a.lblAlarm[2].Caption, "–0:01:59");
    EXPECT_EQ(plays(), 3);
    EXPECT_EQ(rig.keys.sent.size(), 120u);
    EXPECT_EQ(rig.keys.sent.back(), vk::F16);
}

TEST_F(AlarmTest, SwitchingSoundOffSilencesTheRepetitions) {
    fire();
    rig.program.SoundMode = 0;
    rig.tick(60);
    EXPECT_EQ(plays(), 1);
    rig.program.SoundMode = 1;
    rig.tick(60);
    EXPECT_EQ(plays(), 2);
}

TEST_F(AlarmTest, ElapsedTimeStaysTrueAcrossMidnight) {
    rig.clock.set(23, 59, 27);
    FrmAlarm& a = fire(3);
    EXPECT_EQ(a.lblAlarm[3].Caption, "23:59:30");
    rig.tick(40);
    EXPECT_EQ(a.lblAlarm[2].Caption, "–0:00:40");
}

TEST_F(AlarmTest, OrdinaryKeysDismissButF14AndAboveDoNot) {
    FrmAlarm& a = fire();
    for (int key : {vk::F14, vk::F16, 200})
        a.Form_KeyUp(key, 0);
    EXPECT_TRUE(a.Visible);
    EXPECT_EQ(w.frmAlarm(), &a);
    a.Form_KeyUp(vk::F13, 0);
    EXPECT_FALSE(a.Visible);
    EXPECT_EQ(w.frmAlarm(), nullptr);
    EXPECT_EQ(rig.windows.unloaded, 1);
    EXPECT_TRUE(rig.mainTimer().enabled());
    EXPECT_TRUE(rig.program.AlarmUp); // cleared only by the main window's key rule

    for (int key : {1, vk::Escape, vk::Enter, vk::A}) {
        FrmAlarm& b = fire();
        b.Form_KeyUp(key, 0);
        EXPECT_EQ(w.frmAlarm(), nullptr) << key;
    }
}

TEST_F(AlarmTest, AClickOnTheWindowOrALabelDismisses) {
    for (int index : {0, 3}) {
        FrmAlarm& a = fire();
        a.lblAlarm_Click(index);
        EXPECT_EQ(w.frmAlarm(), nullptr);
    }
    EXPECT_EQ(rig.windows.unloaded, 2);
}

TEST_F(AlarmTest, AClosedWindowTicksNoMore) {
    FrmAlarm& a = fire();
    rig.tick(10);
    a.KonecAlarmu();
    const auto keys = rig.keys.sent.size();
    rig.tick(60);
    EXPECT_EQ(rig.keys.sent.size(), keys);
    EXPECT_EQ(plays(), 1);
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

TEST_F(AlarmTest, EachAlarmOpensANewWindow) {
    FrmAlarm& a = fire();
    rig.tick(30);
    a.Form_Click();
    FrmAlarm& b = fire(2);
    EXPECT_EQ(b.AnnounceTime, rig.clock.now());
    EXPECT_EQ(b.lblAlarm[2].Caption, "0:00:00");
    rig.tick();
    EXPECT_EQ(b.lblAlarm[2].Caption, "–0:00:01");
    EXPECT_EQ(rig.windows.loaded, 2);
}

TEST_F(AlarmTest, AMinimisedWindowIsRestoredByTheAlarm) {
    w.tlbCas.button("Min").Value = 1;
    FrmAlarm& a = fire();
    EXPECT_TRUE(a.Visible);
    EXPECT_EQ(w.WindowState, 0);
    EXPECT_EQ(w.Caption, "Tikanda 1.3");
    EXPECT_EQ(w.lblStopky.Caption, "0:00:00");
    EXPECT_EQ(w.ActiveControl, &w.txtHod);
}

} // namespace
} // namespace tikanda::test
