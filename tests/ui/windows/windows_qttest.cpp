// The key table, the alarm window and the pop-up menus, on the offscreen platform.

#include "fakes.h"
#include "ui/windows/alarm_window_qt.h"
#include "ui/windows/keymap_qt.h"
#include "ui/windows/popups_qt.h"
#include "ui/windows/window_system_qt.h"

#include <QTest>
#include <QtWidgets>
#include <gtest/gtest.h>

namespace tikanda::test {
namespace {

TEST(KeyMap, QtKeysToVirtualKeyCodes) {
    // Codes the program acts on; the keypad has its own for digits and the decimal key.
    EXPECT_EQ(virtualKey(Qt::Key_F2), 113);
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
                   dialogs, help,   settings, env,  exit,     qtWindows};
    FrmTikanda main{qtSvc, program};
};

TEST(AlarmWindow, FramelessOnTopShowsItsLabelsAndAClickClosesIt) {
    AlarmRig r;
    for (int round = 0; round < 2; ++round) { // the next alarm gets a new window
        FrmAlarm& a = r.main.loadAlarmWindow();
        a.lblAlarm[0].Caption = "Budíček!";
        r.qtWindows.syncAlarmWindow();
        AlarmWindowQt* win = r.qtWindows.alarmWindow();
        ASSERT_NE(win, nullptr);
        EXPECT_EQ(win->size(), QSize(280, 168));
        // Frameless, on top, a tool window (no taskbar entry).
        EXPECT_EQ(win->windowFlags() &
                      (Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowType_Mask),
                  Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool);
        EXPECT_EQ(win->label(0)->text(), QString::fromUtf8("Budíček!"));
        EXPECT_EQ(win->label(3)->text(), "12:00:00");
        const QImage shot = win->grab().toImage(); // the background picture is painted
        EXPECT_NE(shot.pixelColor(2, 2), shot.pixelColor(140, 150));
        QTest::mouseClick(win->label(3), Qt::LeftButton);
        EXPECT_TRUE(a.unloaded());
        EXPECT_EQ(r.qtWindows.alarmWindow(), nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST(PopupMenus, ShowsTheItemsWithTheDefaultBoldAndReturnsTheChoice) {
    form::FrmTikandaModel m;
    QtPopupMenus popups;
    QStringList texts;
    bool defaultBold = false;
    popups.onShown = [&](QMenu& menu) {
        for (QAction* a : menu.actions())
            texts << a->text();
        defaultBold = menu.defaultAction() && menu.defaultAction()->font().bold();
        QTest::keyClick(&menu, Qt::Key_Down);
        QTest::keyClick(&menu, Qt::Key_Down);
        QTest::keyClick(&menu, Qt::Key_Return);
    };
    EXPECT_EQ(popups.popup(m.mnuBarva, &m.mnuAnalog2), &m.mnuColor);
    EXPECT_EQ(texts, QStringList({"Analogové", "Nastavení barvy…"}));
    EXPECT_TRUE(defaultBold);
    popups.onShown = [](QMenu& menu) { QTest::keyClick(&menu, Qt::Key_Escape); };
    EXPECT_EQ(popups.popup(m.mnuRMB, nullptr), nullptr);
}

} // namespace
} // namespace tikanda::test
