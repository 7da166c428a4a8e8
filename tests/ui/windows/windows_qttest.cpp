// The key table and the alarm window, on the offscreen platform.

#include "fakes.h"
#include "ui/windows/alarm_window_qt.h"
#include "ui/windows/keymap_qt.h"
#include "ui/windows/window_system_qt.h"

#include <QTest>
#include <QtWidgets>
#include <gtest/gtest.h>

namespace tikanda::test {
namespace {

TEST(KeyMap, QtKeysToVirtualKeyCodes) {
    // Codes the program acts on; the keypad has its own for digits and the decimal key.
    EXPECT_EQ(virtualKey(Qt::Key_9, Qt::KeypadModifier), 105);
    EXPECT_EQ(virtualKey(Qt::Key_Comma, Qt::KeypadModifier), 110);
    EXPECT_EQ(virtualKey(Qt::Key_Enter, Qt::KeypadModifier), 13);
    EXPECT_EQ(virtualKey(QKeyEvent(QEvent::KeyRelease, Qt::Key_F16, Qt::NoModifier)), 127);
    EXPECT_EQ(shiftState(Qt::ShiftModifier | Qt::ControlModifier | Qt::KeypadModifier), 3);
}

// A main window whose window system is the real Qt one.
struct AlarmRig : Rig {
    QtWindowSystem qtWindows;
    Services qtSvc{clock,   timers, sound,    keys, messages, popups,
                   dialogs, help,   settings, env,  exit,     qtWindows, clock};
    FrmTikanda main{qtSvc, program};
};

TEST(AlarmWindow, AClickOnALabelClosesIt) {
    AlarmRig r;
    FrmAlarm& a = r.main.loadAlarmWindow();
    r.qtWindows.syncAlarmWindow();
    AlarmWindowQt* win = r.qtWindows.alarmWindow();
    ASSERT_NE(win, nullptr);
    QTest::mouseClick(win->label(3), Qt::LeftButton);
    EXPECT_TRUE(a.unloaded());
    EXPECT_EQ(r.qtWindows.alarmWindow(), nullptr);
}

} // namespace
} // namespace tikanda::test
