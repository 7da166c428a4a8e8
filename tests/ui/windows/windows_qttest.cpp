// The key table, the alarm window and the pop-up menus, on the offscreen platform.

#include "fakes.h"
#include "ui/windows/alarm_window_qt.h"
#include "ui/windows/keymap_qt.h"
#include "ui/windows/popups_qt.h"
#include "ui/windows/window_system_qt.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

namespace tikanda::test {
namespace {

TEST(KeyMap, QtKeysToVirtualKeyCodes) {
    const std::pair<int, int> plain[] = {
        {Qt::Key_F1, 112},         {Qt::Key_F2, 113},
        {Qt::Key_F4, 115},         {Qt::Key_F12, 123},
        {Qt::Key_F13, 124},        {Qt::Key_F14, 125},
        {Qt::Key_F16, 127},        {Qt::Key_F24, 135},
        {Qt::Key_A, 65},           {Qt::Key_D, 68},
        {Qt::Key_Z, 90},           {Qt::Key_0, 48},
        {Qt::Key_9, 57},           {Qt::Key_Escape, 27},
        {Qt::Key_Return, 13},      {Qt::Key_Enter, 13},
        {Qt::Key_Tab, 9},          {Qt::Key_Backspace, 8},
        {Qt::Key_Space, 32},       {Qt::Key_Left, 37},
        {Qt::Key_Up, 38},          {Qt::Key_Right, 39},
        {Qt::Key_Down, 40},        {Qt::Key_Insert, 45},
        {Qt::Key_Delete, 46},      {Qt::Key_Home, 36},
        {Qt::Key_End, 35},         {Qt::Key_PageUp, 33},
        {Qt::Key_PageDown, 34},    {Qt::Key_Shift, 16},
        {Qt::Key_Control, 17},     {Qt::Key_Alt, 18},
        {Qt::Key_NumLock, 144},    {Qt::Key_ScrollLock, 145},
        {Qt::Key_Semicolon, 186},  {Qt::Key_Equal, 187},
        {Qt::Key_Comma, 188},      {Qt::Key_Minus, 189},
        {Qt::Key_Period, 190},     {Qt::Key_Slash, 191},
        {Qt::Key_QuoteLeft, 192},  {Qt::Key_BracketLeft, 219},
        {Qt::Key_Backslash, 220},  {Qt::Key_BracketRight, 221},
        {Qt::Key_Apostrophe, 222},
    };
    for (auto [key, vk] : plain)
        EXPECT_EQ(virtualKey(key), vk) << std::hex << key;

    const std::pair<int, int> keypad[] = {
        {Qt::Key_0, 96},      {Qt::Key_5, 101},     {Qt::Key_9, 105},      {Qt::Key_Asterisk, 106},
        {Qt::Key_Plus, 107},  {Qt::Key_Minus, 109}, {Qt::Key_Period, 110}, {Qt::Key_Comma, 110},
        {Qt::Key_Slash, 111}, {Qt::Key_Enter, 13},  {Qt::Key_Home, 36},    {Qt::Key_Delete, 46},
    };
    for (auto [key, vk] : keypad)
        EXPECT_EQ(virtualKey(key, Qt::KeypadModifier), vk) << "keypad " << std::hex << key;

    const QKeyEvent f16(QEvent::KeyRelease, Qt::Key_F16, Qt::NoModifier);
    EXPECT_EQ(virtualKey(f16), 127);
    EXPECT_EQ(shiftState(Qt::ShiftModifier), 1);
    EXPECT_EQ(shiftState(Qt::ControlModifier | Qt::AltModifier), 6);
    EXPECT_EQ(shiftState(Qt::KeypadModifier), 0);
}

// A main window whose window system is the real Qt one.
struct AlarmRig : Rig {
    QtWindowSystem qtWindows;
    Services qtSvc{clock,   timers, sound,    keys, messages, popups,
                   dialogs, help,   settings, env,  exit,     qtWindows};
    FrmTikanda main{qtSvc, program};

    FrmAlarm& load() {
        FrmAlarm& a = main.loadAlarmWindow();
        qtWindows.syncAlarmWindow();
        return a;
    }
};

TEST(AlarmWindow, FramelessOnTopWithItsLabels) {
    AlarmRig r;
    FrmAlarm& a = r.load();
    AlarmWindowQt* win = r.qtWindows.alarmWindow();
    ASSERT_NE(win, nullptr);
    EXPECT_TRUE(win->isVisible());
    EXPECT_EQ(win->size(), QSize(280, 168));
    const auto flags = win->windowFlags();
    EXPECT_TRUE(flags & Qt::FramelessWindowHint);
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool); // no taskbar entry

    EXPECT_EQ(win->label(1)->text(), QString::fromUtf8("Alarm vyhlášen:"));
    EXPECT_EQ(win->label(2)->text(), "0:00:00");
    EXPECT_EQ(win->label(3)->text(), "12:00:00");
    EXPECT_EQ(win->label(0)->geometry(), QRect(24, 72, 225, 73));
    EXPECT_EQ(win->label(3)->geometry(), QRect(144, 24, 49, 13));
    EXPECT_TRUE(win->label(0)->font().bold());
    EXPECT_TRUE(win->label(0)->wordWrap());
    EXPECT_TRUE(win->label(2)->alignment() & Qt::AlignRight);
    EXPECT_EQ(win->label(2)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(win->label(0)->toolTip(), QString::fromUtf8("Ukončete klepnutím myši"));

    a.lblAlarm[0].Caption = "Budíček!";
    a.lblAlarm[2].Caption = "\u20130:00:05";
    r.qtWindows.syncAlarmWindow();
    EXPECT_EQ(win->label(0)->text(), QString::fromUtf8("Budíček!"));
    EXPECT_EQ(win->label(2)->text(), QString::fromUtf8("\u20130:00:05"));
    // The background picture is painted.
    const QImage shot = win->grab().toImage();
    EXPECT_NE(shot.pixelColor(2, 2), shot.pixelColor(140, 150));
}

TEST(AlarmWindow, KeyReleasesCloseItButNotF16) {
    AlarmRig r;
    FrmAlarm& a = r.load();
    AlarmWindowQt* win = r.qtWindows.alarmWindow();
    ASSERT_NE(win, nullptr);
    QTest::keyClick(win, Qt::Key_F16);
    EXPECT_FALSE(a.unloaded());
    QTest::keyClick(win, Qt::Key_Escape);
    EXPECT_TRUE(a.unloaded());
    EXPECT_EQ(r.qtWindows.alarmWindow(), nullptr);
    EXPECT_FALSE(win->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(AlarmWindow, AClickOnALabelClosesItAndTheNextAlarmGetsANewWindow) {
    AlarmRig r;
    r.load();
    AlarmWindowQt* first = r.qtWindows.alarmWindow();
    ASSERT_NE(first, nullptr);
    QTest::mouseClick(first->label(3), Qt::LeftButton);
    EXPECT_EQ(r.qtWindows.alarmWindow(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    FrmAlarm& second = r.load();
    AlarmWindowQt* win = r.qtWindows.alarmWindow();
    ASSERT_NE(win, nullptr);
    EXPECT_EQ(win->label(3)->text(), "12:00:00");
    QTest::mouseClick(win, Qt::LeftButton, {}, QPoint(270, 160));
    EXPECT_TRUE(second.unloaded());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
    EXPECT_EQ(texts,
              QStringList({QString::fromUtf8("Analogové"), QString::fromUtf8("Nastavení barvy…")}));
    EXPECT_TRUE(defaultBold);

    popups.onShown = [](QMenu& menu) { QTest::keyClick(&menu, Qt::Key_Escape); };
    EXPECT_EQ(popups.popup(m.mnuRMB, nullptr), nullptr);
}

} // namespace
} // namespace tikanda::test
