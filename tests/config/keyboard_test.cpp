#include "fakes.h"

#include <gtest/gtest.h>

namespace tikanda::test {
namespace {

constexpr int Shift = 1, Ctrl = 2, Alt = 4;
const std::string kIdle = "run=0 min=0 win=0 edit=0 dlg=0 sound=111";

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
    void alarmUp() {
        r.program.AlarmUp = true;
        w.loadAlarmWindow();
    }
    // What the rows act on: run state, "Min" button, window state, text edit open, file
    // dialogs shown, sound (SoundMode, check mark, "Zvuk" button).
    std::string state() {
        auto n = [](auto v) { return std::to_string(v); };
        return "run=" + n(w.RunState) + " min=" + n(w.tlbCas.button("Min").Value) +
               " win=" + n(w.WindowState) + " edit=" + n(w.cboText.Visible) +
               " dlg=" + n(r.dialogs.fileDialogs.size()) + " sound=" + n(r.program.SoundMode) +
               n(w.mnuZvuk.Checked) + n(w.tlbCas.button("Zvuk").Value);
    }
};

TEST_F(Keyboard, CodesUpTo124DismissTheAlarmWindowHigherOnesDoNot) {
    // Enter, Shift, Alt, Escape, a cursor key, a digit, a letter, the numeric pad, F1, F13.
    for (int code : {1, 13, 16, 18, 27, 37, 48, 65, 96, 112, 124}) {
        alarmUp();
        key(code);
        EXPECT_EQ(w.frmAlarm(), nullptr) << code;
        EXPECT_FALSE(r.program.AlarmUp) << code;
    }
    // F14 and above (the alarm's own F16 among them), punctuation, no code.
    alarmUp();
    for (int code : {125, 127, 135, 144, 186, 0})
        key(code);
    EXPECT_NE(w.frmAlarm(), nullptr);
    EXPECT_TRUE(r.program.AlarmUp);
    // Without AlarmUp a key leaves the window alone; AlarmUp alone is cleared.
    r.program.AlarmUp = false;
    key('A');
    EXPECT_NE(w.frmAlarm(), nullptr);
    w.unloadAlarmWindow();
    r.program.AlarmUp = true;
    key('A');
    EXPECT_FALSE(r.program.AlarmUp);

    // The dismissing key also goes through the other rows.
    noMenu();
    alarmUp();
    key('T', Ctrl);
    EXPECT_EQ(w.frmAlarm(), nullptr);
    EXPECT_TRUE(w.cboText.Visible);
}

TEST_F(Keyboard, WithMenusVisibleOnlyEscapeActsAndOnlyWhileRunning) {
    w.tlbCas.button("Stop").Enabled = true;
    w.RunState = 2;
    for (int code : {113, 114, 115, 27})
        key(code);
    for (int letter : {'D', 'I', 'T', 'W', 'Z'}) // Ctrl+D would also switch the sound off
        key(letter, Ctrl);
    EXPECT_EQ(state(), "run=2 min=0 win=0 edit=0 dlg=0 sound=111");
    w.RunState = 1;
    key(27, Shift | Ctrl); // any shift state
    EXPECT_EQ(w.WindowState, 1);
}

TEST_F(Keyboard, MenulessF2F3F4ActOnlyWhileTheirButtonsAreEnabled) {
    noMenu();
    w.setText(w.txtMin, "05");
    w.click(w.optZa);
    key(113, Shift); // any shift state
    EXPECT_EQ(w.RunState, 1);
    // Running: Start is disabled, so F2 does not restart from the fields.
    w.lblStopky.Caption = "0:03:50";
    key(113);
    EXPECT_EQ(w.lblStopky.Caption, "0:03:50");
    w.tlbCas.button("Pauza").Enabled = false;
    key(114);
    EXPECT_EQ(w.RunState, 1);
    w.tlbCas.button("Pauza").Enabled = true;
    key(114, Alt);
    EXPECT_EQ(w.RunState, 2);
    w.tlbCas.button("Stop").Enabled = false;
    key(115);
    EXPECT_EQ(w.RunState, 2);
    w.tlbCas.button("Stop").Enabled = true;
    key(115, Alt);
    EXPECT_EQ(state(), kIdle);
    EXPECT_TRUE(r.exit.codes.empty());
}

TEST_F(Keyboard, MenulessCtrlLettersNeedExactlyCtrlAndSound) {
    noMenu();
    r.settings.values[{"RVTikanda", "Default", "Text"}] = "Z výchozích";
    for (int letter : {'D', 'I', 'T', 'W', 'Z'})
        for (int shift : {0, Ctrl | Shift, Ctrl | Alt})
            key(letter, shift);
    EXPECT_EQ(state(), kIdle);
    for (int letter : {'I', 'W', 'Z'})
        key(letter, Ctrl);
    EXPECT_EQ(state(), "run=0 min=1 win=0 edit=0 dlg=1 sound=000");
    key('Z', Ctrl);
    key('T', Ctrl);
    EXPECT_EQ(state(), "run=0 min=1 win=0 edit=1 dlg=1 sound=111");
    EXPECT_EQ(w.ActiveControl, &w.cboText);

    // NOSOUND: Ctrl+W and Ctrl+Z do nothing.
    r.program.SoundMode = -1;
    w.mnuZvuk.Checked = false;
    w.tlbCas.button("Zvuk").Value = 0;
    key('W', Ctrl);
    key('Z', Ctrl);
    EXPECT_EQ(state(), "run=0 min=1 win=0 edit=1 dlg=1 sound=-100");
    key('D', Ctrl); // at once, without the reset question
    EXPECT_EQ(w.AlarmText, "Z výchozích");
    EXPECT_TRUE(r.messages.shown.empty());
}

TEST_F(Keyboard, CtrlAltF4EndsAtOnceWithoutSavingInEveryLayout) {
    for (int shift : {Ctrl, Alt, Shift, Ctrl | Alt | Shift, 0})
        key(115, shift);
    EXPECT_TRUE(r.exit.codes.empty());
    key(115, Ctrl | Alt);
    EXPECT_EQ(w.Answer, 1);
    noMenu();
    key(115, Ctrl | Alt);
    EXPECT_EQ(r.exit.codes, (std::vector<int>{0, 0}));
    EXPECT_TRUE(r.settings.writes.empty() && r.messages.shown.empty());
}

} // namespace
} // namespace tikanda::test
