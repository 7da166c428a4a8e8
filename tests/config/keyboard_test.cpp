#include "fakes.h"

#include <gtest/gtest.h>

namespace tikanda::test {
namespace {

constexpr int Shift = 1, Ctrl = 2, Alt = 4;

class Keyboard : public ::testing::Test {
protected:
    Rig r;
    FrmTikanda& w = r.w;

    // The layout without menu bar (NOMENU).
    void noMenu() {
        for (auto* m : {&w.mnuStopky, &w.mnuNastaveni, &w.mnuAlarm, &w.mnuNapoveda})
            m->Visible = false;
    }
    void key(int code, int shift = 0) { w.keyUp(nullptr, code, shift); }
    int minPressed() { return w.tlbCas.button("Min").Value; }
};

TEST_F(Keyboard, OrdinaryKeysDismissTheAlarmWindow) {
    // Letters, digits, F1..F13, Escape, Enter, cursor, numeric pad, Shift/Ctrl/Alt.
    for (int code :
         {65, 90, 48, 57, 112, 115, 124, 27, 13, 37, 40, 45, 46, 96, 107, 16, 17, 18, 1}) {
        r.program.AlarmUp = true;
        w.loadAlarmWindow();
        key(code);
        EXPECT_FALSE(r.program.AlarmUp) << code;
        EXPECT_EQ(w.frmAlarm(), nullptr) << code;
    }
}

TEST_F(Keyboard, HighKeyCodesLeaveTheAlarmWindowUp) {
    // F14..F24 (the alarm's own F16 among them), Num Lock, Scroll Lock, punctuation.
    r.program.AlarmUp = true;
    w.loadAlarmWindow();
    for (int code : {125, 127, 135, 144, 145, 186, 188, 190, 222, 0}) {
        key(code);
        EXPECT_TRUE(r.program.AlarmUp) << code;
        EXPECT_NE(w.frmAlarm(), nullptr) << code;
    }
}

TEST_F(Keyboard, AlarmUpIsClearedWhenTheWindowIsAlreadyClosed) {
    r.program.AlarmUp = true;
    key('A');
    EXPECT_FALSE(r.program.AlarmUp);
    // Without AlarmUp a key does not touch an alarm window.
    w.loadAlarmWindow();
    key('A');
    EXPECT_NE(w.frmAlarm(), nullptr);
}

TEST_F(Keyboard, DismissalKeyAlsoGoesThroughTheOtherRows) {
    noMenu();
    r.program.AlarmUp = true;
    w.loadAlarmWindow();
    key('T', Ctrl);
    EXPECT_FALSE(r.program.AlarmUp);
    EXPECT_TRUE(w.cboText.Visible);

    // After an alarm the run is stopped, so Escape does not also toggle the option.
    r.program.AlarmUp = true;
    w.loadAlarmWindow();
    key(27);
    EXPECT_FALSE(r.program.AlarmUp);
    EXPECT_EQ(minPressed(), 0);
}

TEST_F(Keyboard, EscapeTogglesTheIconOptionOnlyWhileRunning) {
    w.RunState = 0;
    key(27);
    w.RunState = 2;
    key(27);
    EXPECT_EQ(minPressed(), 0);
    EXPECT_EQ(w.WindowState, 0);

    // Switching the option on during a count minimises the window at once.
    w.RunState = 1;
    key(27, Shift | Ctrl); // any shift state
    EXPECT_EQ(w.WindowState, 1);
}

TEST_F(Keyboard, WithMenusVisibleTheShortcutRowsDoNothing) {
    r.settings.values[{"RVTikanda", "Default", "Text"}] = "Z výchozích";
    w.AlarmText = "Můj text";
    w.tlbCas.button("Stop").Enabled = true;
    w.RunState = 2;
    key(113);
    key(115);
    for (int letter : {'D', 'I', 'T', 'W', 'Z'})
        key(letter, Ctrl);
    EXPECT_EQ(w.RunState, 2);
    EXPECT_EQ(w.AlarmText, "Můj text");
    EXPECT_EQ(minPressed(), 0);
    EXPECT_FALSE(w.cboText.Visible);
    EXPECT_TRUE(r.dialogs.fileDialogs.empty());
    EXPECT_TRUE(w.mnuZvuk.Checked);
    EXPECT_EQ(r.program.SoundMode, 1);
}

TEST_F(Keyboard, MenulessF2StartsOnlyWhileStartIsEnabled) {
    noMenu();
    w.setText(w.txtMin, "05");
    w.click(w.optZa);
    key(113, Shift); // any shift state
    EXPECT_EQ(w.RunState, 1);

    // Running: Start is disabled, so F2 does not restart from the fields.
    w.tlbCas.button("Start").Enabled = false;
    w.lblStopky.Caption = "0:03:50";
    key(113);
    EXPECT_EQ(w.RunState, 1);
    EXPECT_EQ(w.lblStopky.Caption, "0:03:50");
}

TEST_F(Keyboard, MenulessF3AndF4PauseAndStopOnlyWhileTheirButtonsAreEnabled) {
    noMenu();
    w.click(w.optZa);
    w.RunState = 1;
    key(114);
    EXPECT_EQ(w.RunState, 1); // Pauza disabled (as in mode V)
    w.tlbCas.button("Pauza").Enabled = true;
    key(114);
    EXPECT_EQ(w.RunState, 2);

    w.tlbCas.button("Stop").Enabled = false;
    key(115);
    EXPECT_EQ(w.RunState, 2);
    w.tlbCas.button("Stop").Enabled = true;
    key(115, Alt);
    EXPECT_EQ(w.RunState, 0);
    EXPECT_TRUE(r.exit.codes.empty());
}

TEST_F(Keyboard, MenulessCtrlDLoadsTheStandardSettingsWithoutAsking) {
    noMenu();
    r.settings.values[{"RVTikanda", "Default", "Text"}] = "Z výchozích";
    w.AlarmText = "Můj text";
    key('D', Ctrl | Shift); // not exactly Ctrl
    key('D', Ctrl | Alt);
    EXPECT_EQ(w.AlarmText, "Můj text");
    key('D', Ctrl);
    EXPECT_EQ(w.AlarmText, "Z výchozích");
    EXPECT_TRUE(r.messages.shown.empty());
}

TEST_F(Keyboard, MenulessCtrlIAndCtrlTNeedExactlyCtrl) {
    noMenu();
    key('I', Ctrl | Shift);
    key('I');
    EXPECT_EQ(minPressed(), 0);
    key('I', Ctrl);
    EXPECT_EQ(minPressed(), 1);
    key('I', Ctrl);
    EXPECT_EQ(minPressed(), 0);

    key('T', Alt | Ctrl);
    EXPECT_FALSE(w.cboText.Visible);
    key('T', Ctrl);
    EXPECT_TRUE(w.cboText.Visible);
    EXPECT_EQ(w.ActiveControl, &w.cboText);
}

TEST_F(Keyboard, MenulessCtrlWChoosesTheSoundUnlessSoundIsDisabled) {
    noMenu();
    r.program.SoundMode = -1;
    key('W', Ctrl);
    EXPECT_TRUE(r.dialogs.fileDialogs.empty());
    r.program.SoundMode = 0;
    key('W', Ctrl | Shift);
    EXPECT_TRUE(r.dialogs.fileDialogs.empty());
    key('W', Ctrl);
    EXPECT_EQ(r.dialogs.fileDialogs.size(), 1u);
}

TEST_F(Keyboard, MenulessCtrlZSwitchesTheSoundUnlessSoundIsDisabled) {
    noMenu();
    key('Z', Ctrl);
    EXPECT_FALSE(w.mnuZvuk.Checked);
    EXPECT_EQ(r.program.SoundMode, 0);
    EXPECT_EQ(w.tlbCas.button("Zvuk").Value, 0);
    key('Z', Ctrl);
    EXPECT_TRUE(w.mnuZvuk.Checked);
    EXPECT_EQ(r.program.SoundMode, 1);
    EXPECT_EQ(w.tlbCas.button("Zvuk").Value, 1);

    // NOSOUND: switched off and disabled for good.
    r.program.SoundMode = -1;
    w.mnuZvuk.Checked = false;
    w.tlbCas.button("Zvuk").Value = 0;
    key('Z', Ctrl);
    EXPECT_EQ(r.program.SoundMode, -1);
    EXPECT_FALSE(w.mnuZvuk.Checked);
    EXPECT_EQ(w.tlbCas.button("Zvuk").Value, 0);
}

TEST_F(Keyboard, CtrlAltF4EndsAtOnceWithoutSavingInEveryLayout) {
    for (int shift : {Ctrl, Alt, Shift, Ctrl | Alt | Shift, 0})
        key(115, shift);
    EXPECT_TRUE(r.exit.codes.empty());

    key(115, Ctrl | Alt);
    EXPECT_EQ(r.exit.codes, std::vector<int>{0});
    EXPECT_EQ(w.Answer, 1);

    noMenu();
    key(115, Ctrl | Alt);
    EXPECT_EQ(r.exit.codes, (std::vector<int>{0, 0}));
    EXPECT_TRUE(r.settings.writes.empty());
    EXPECT_TRUE(r.messages.shown.empty());
}

} // namespace
} // namespace tikanda::test
