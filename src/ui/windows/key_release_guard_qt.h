#pragma once
// A key release reaches a window only when that window got the key's press and no window of
// the program has opened since. Windows open, close and take the focus between a press and
// its release: a message box closes on the press of Escape or Enter and the main window gets
// the release; the alarm window opens while a key is held, and the release comes to it or,
// before the window manager has moved the focus, to the main window. The main window's key
// commands and the alarm window's dismissal act on releases, so such releases are dropped
// before any widget sees them.

#include <QObject>
#include <QPointer>
#include <QWindow>

#include <limits>
#include <map>

class QKeyEvent;

namespace tikanda {

class KeyReleaseGuard : public QObject {
public:
    // Installs itself as an application event filter.
    KeyReleaseGuard();
    ~KeyReleaseGuard() override;

    bool eventFilter(QObject* obj, QEvent* e) override;

private:
    void pressed(const QKeyEvent& k, QWindow* w);
    // Whether the release may go on to window w.
    bool released(const QKeyEvent& k, QWindow* w);

    // The window each key held down was pressed in, by the key's place on the keyboard.
    std::map<qint64, QPointer<QWindow>> m_pressedIn;
    // The last release and where its key had been pressed: X repeats a held key as a
    // release and a press at the same moment.
    struct {
        qint64 key = std::numeric_limits<qint64>::min();
        quint64 time = 0;
        QPointer<QWindow> pressedIn;
    } m_lastRelease;
};

} // namespace tikanda
