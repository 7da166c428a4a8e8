// The key table, the key release guard and the alarm window, on the offscreen platform.

#include "fakes.h"
#include "ui/windows/alarm_window_qt.h"
#include "ui/windows/key_release_guard_qt.h"
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

// Key events as the window system delivers them: to a window, at a moment (ms), by the
// key's scan code; X's key symbol for the console switch keys. Or a window shown.
TEST(KeyReleaseGuard, AReleaseGoesOnlyToTheWindowThatGotItsPress) {
    struct KeyWindow : QWidget {
        int releases = 0;
        void keyReleaseEvent(QKeyEvent*) override { ++releases; }
    } a, b;
    a.show();
    b.show();
    QCoreApplication::processEvents();
    struct Event {
        KeyWindow* to;
        QEvent::Type type;
        quint64 time;
        quint32 keysym = 0;
        Qt::KeyboardModifiers modifiers = {};
    };
    constexpr auto press = QEvent::KeyPress, release = QEvent::KeyRelease;
    const struct {
        const char* what;
        std::vector<Event> events;
        int releasesA, releasesB;
    } rows[] = {
        {"pressed and released in one window", {{&a, press, 1}, {&a, release, 2}}, 1, 0},
        {"pressed in another window", {{&a, press, 1}, {&b, release, 2}}, 0, 0},
        {"pressed in no window of the program", {{&b, release, 2}}, 0, 0},
        // Held while another window took the focus, X repeating it there as releases and
        // presses at one moment, which Qt does not always mark as repeats.
        {"held into another window",
         {{&a, press, 1}, {&b, release, 2}, {&b, press, 2}, {&b, release, 3}},
         0,
         0},
        {"held while a window opened",
         {{&a, press, 1}, {&b, QEvent::Show, 2}, {&a, release, 3}},
         0,
         0},
        {"Ctrl+Alt+F4, whose press the X server keeps", {{&b, release, 2, 0x1008FE04}}, 0, 1},
        {"Ctrl+Alt+F4 with the plain key's symbol",
         {{&b, release, 2, 0xFFC1, Qt::ControlModifier | Qt::AltModifier}},
         0,
         1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        KeyReleaseGuard guard;
        a.releases = b.releases = 0;
        for (const Event& e : row.events) {
            if (e.type == QEvent::Show) {
                e.to->hide();
                e.to->show();
                continue;
            }
            QKeyEvent k(e.type, Qt::Key_F4, e.modifiers, 70, e.keysym, 0);
            k.setTimestamp(e.time);
            QCoreApplication::sendEvent(e.to->windowHandle(), &k);
        }
        EXPECT_EQ(a.releases, row.releasesA);
        EXPECT_EQ(b.releases, row.releasesB);
    }
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
