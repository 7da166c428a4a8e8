#include "ui/windows/key_release_guard_qt.h"
#include "ui/windows/keymap_qt.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace tikanda {

namespace {

// The key's place on the keyboard (a press with Shift and its release without may differ
// in Qt's key), or Qt's key where the event has no scan code.
qint64 keyId(const QKeyEvent& k) {
    return k.nativeScanCode() ? qint64(k.nativeScanCode()) : -qint64(k.key());
}

// Ctrl+Alt+F1 to F12 switch the console: the X server takes the press for itself and
// passes only the release on (Ctrl+Alt+F4 ends the program). Known by the key's symbol, or
// by the key and the modifiers where the symbol was worked out with other modifiers.
bool isConsoleSwitch(const QKeyEvent& k) {
    constexpr quint32 switchVt1 = 0x1008FE01, switchVt12 = 0x1008FE0C; // XF86Switch_VT_n
    if (k.nativeVirtualKey() >= switchVt1 && k.nativeVirtualKey() <= switchVt12) return true;
    const int vk = virtualKey(k);
    return shiftState(k.modifiers()) == 6 && vk >= 112 && vk <= 123; // Ctrl+Alt, F1 to F12
}

// The window whose widgets get a key event sent to window system window obj (or to a widget).
QWindow* keyWindow(QObject* obj) {
    if (obj->isWidgetType()) return static_cast<QWidget*>(obj)->window()->windowHandle();
    if (!obj->isWindowType()) return nullptr;
    // An open pop-up menu (or another keyboard grab) takes the keys sent to any window.
    if (QWidget* grabber = QWidget::keyboardGrabber()) {
        QWidget* popup = QApplication::activePopupWidget();
        return (popup ? popup : grabber)->window()->windowHandle();
    }
    return static_cast<QWindow*>(obj);
}

} // namespace

KeyReleaseGuard::KeyReleaseGuard() {
    qApp->installEventFilter(this);
}

KeyReleaseGuard::~KeyReleaseGuard() {
    if (qApp) qApp->removeEventFilter(this);
}

bool KeyReleaseGuard::eventFilter(QObject* obj, QEvent* e) {
    switch (e->type()) {
    case QEvent::ShortcutOverride: // before the press, which a shortcut may then take
        if (QWindow* w = keyWindow(obj)) pressed(*static_cast<QKeyEvent*>(e), w);
        return false;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        // Judged where the window system delivers them, to a window, before its widgets
        // (which get them from there, passed on from child to parent).
        if (!obj->isWindowType()) return false;
        auto* k = static_cast<QKeyEvent*>(e);
        QWindow* w = keyWindow(obj);
        if (e->type() == QEvent::KeyPress) {
            pressed(*k, w);
            return false;
        }
        return !released(*k, w);
    }
    case QEvent::Show: {
        // A window that opens takes the keys from then on: those held down now were pressed
        // for what was there before (the key that started a countdown, as its alarm opens).
        auto* w = obj->isWidgetType() ? static_cast<QWidget*>(obj) : nullptr;
        if (w && w->isWindow() && w->windowType() != Qt::ToolTip) {
            m_pressedIn.clear();
            m_lastRelease = {};
        }
        return false;
    }
    default:
        return false;
    }
}

void KeyReleaseGuard::pressed(const QKeyEvent& k, QWindow* w) {
    const qint64 id = keyId(k);
    if (id == m_lastRelease.key && k.timestamp() == m_lastRelease.time) {
        // The second half of a repeat that Qt did not mark as one: the key is still down
        // where it was pressed first.
        if (m_lastRelease.pressedIn)
            m_pressedIn[id] = m_lastRelease.pressedIn;
        else
            m_pressedIn.erase(id);
        return;
    }
    if (!k.isAutoRepeat()) m_pressedIn[id] = w;
}

bool KeyReleaseGuard::released(const QKeyEvent& k, QWindow* w) {
    const qint64 id = keyId(k);
    const auto it = m_pressedIn.find(id);
    const bool seen = it != m_pressedIn.end();
    const QPointer<QWindow> pressedIn = seen ? it->second : nullptr;
    if (!k.isAutoRepeat()) {
        m_lastRelease = {id, k.timestamp(), pressedIn};
        if (seen) m_pressedIn.erase(it);
    }
    return (pressedIn && pressedIn == w) || (!seen && isConsoleSwitch(k));
}

} // namespace tikanda
