// Synthetic key presses through the XTest extension.
//
// Only on X11 (Qt's "xcb" platform); on Wayland and elsewhere sendKey does nothing,
// because those systems offer no way for a client to inject input into other windows.
//
// The program sends F16, which most keyboard maps (Xvfb's default one among them) bind to
// no keycode. Then a spare keycode, one with no symbols at all, is bound to F16 for the
// injection. The binding is undone a few seconds after the last injection rather than at
// once: every client reads a changed keyboard map only when it handles the change
// notice, and undoing it straight away could let a client translate the key with the
// old map. The alarm window sends F16 every second, so the map changes twice per alarm,
// not twice per second. Every end of the program gives the keycode back, the immediate one
// included (QtProcessExit runs restoreKeyboardMap before _exit).
//
// A key is sent once the event that asked for it has been handled, not at once: at an
// alarm the keystroke is asked for before the alarm window is shown, and a change of the
// keyboard map makes the window manager reload its key bindings, which held up the
// window's appearance by tens of milliseconds when the change reached it first. The
// keystroke counts as user activity wherever it lands, and no window of the program
// reacts to it.

#include "platform/platform_qt.h"

#include <QGuiApplication>
#include <QTimer>
#include <QtGui/qguiapplication_platform.h>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <vector>

namespace tikanda {

namespace {

constexpr int kRestoreAfterMs = 3000;

// The X key symbol of a virtual-key code: the function keys F1 to F24 (the program sends
// F16); NoSymbol for any other key.
KeySym keySymOf(int vk) {
    return vk >= 112 && vk <= 135 ? KeySym(XK_F1 + (vk - 112)) : KeySym(NoSymbol);
}

} // namespace

struct XTestKeyInjector::Impl {
    Display* display = nullptr;
    bool tried = false;
    // A spare keycode bound for the moment, with the symbols it had before.
    KeyCode borrowed = 0;
    KeySym borrowedSym = NoSymbol;
    int symsPerCode = 0;
    std::vector<KeySym> savedSyms;
    QTimer restoreTimer;
    std::vector<int> pending; // keys asked for during the event being handled
    QTimer sendTimer;

    Impl() {
        restoreTimer.setSingleShot(true);
        QObject::connect(&restoreTimer, &QTimer::timeout, [this] { restore(); });
        sendTimer.setSingleShot(true);
        sendTimer.setInterval(0);
        QObject::connect(&sendTimer, &QTimer::timeout, [this] {
            const std::vector<int> keys = std::move(pending);
            pending.clear();
            for (int vk : keys)
                send(vk);
        });
    }

    ~Impl() {
        restore();
        if (display) XCloseDisplay(display);
    }

    // A connection of our own: XSync on it tells when the server has taken the events.
    Display* connection() {
        if (!tried) {
            tried = true;
            int event, error, major, minor;
            // The X server Qt talks to (it may have come from -display rather than $DISPLAY).
            const char* name = nullptr;
            if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
                if (x11->display()) name = XDisplayString(x11->display());
            display = XOpenDisplay(name);
            if (display && !XTestQueryExtension(display, &event, &error, &major, &minor)) {
                XCloseDisplay(display);
                display = nullptr;
            }
        }
        return display;
    }

    // The keycode that produces sym in the server's present map, or else a spare keycode
    // (no symbols at all) bound to sym for the moment; 0 when there is neither. The map is
    // read afresh: Xlib's cached copy does not follow our own changes.
    KeyCode keycodeFor(KeySym sym) {
        if (borrowed && borrowedSym == sym) return borrowed;
        int minCode = 0, maxCode = 0;
        XDisplayKeycodes(display, &minCode, &maxCode);
        int per = 0;
        KeySym* map = XGetKeyboardMapping(display, KeyCode(minCode), maxCode - minCode + 1, &per);
        if (!map) return 0;
        KeyCode found = 0, spare = borrowed;
        std::vector<KeySym> spareSyms;
        // From the top down: the highest codes are the least likely to be real keys.
        for (int code = maxCode; code >= minCode && !found; --code) {
            const KeySym* syms = map + (code - minCode) * per;
            bool empty = true;
            for (int i = 0; i < per; ++i) {
                if (syms[i] == sym && code != borrowed) found = KeyCode(code);
                empty = empty && syms[i] == NoSymbol;
            }
            if (empty && !spare) {
                spare = KeyCode(code);
                spareSyms.assign(syms, syms + per);
            }
        }
        XFree(map);
        if (found) return found;
        if (!spare) return 0;
        if (!borrowed) {
            borrowed = spare;
            symsPerCode = per;
            savedSyms = std::move(spareSyms);
        }
        KeySym bound[1] = {sym};
        XChangeKeyboardMapping(display, borrowed, 1, bound, 1);
        borrowedSym = sym;
        XSync(display, True);
        return borrowed;
    }

    void restore() {
        if (!borrowed || !display) return;
        XChangeKeyboardMapping(display, borrowed, symsPerCode, savedSyms.data(), 1);
        XSync(display, True);
        borrowed = 0;
        borrowedSym = NoSymbol;
    }

    void send(int vk) {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
        const KeySym sym = keySymOf(vk);
        if (sym == NoSymbol || !connection()) return;
        const KeyCode code = keycodeFor(sym);
        if (!code) return;
        if (code == borrowed) restoreTimer.start(kRestoreAfterMs);
        XTestFakeKeyEvent(display, code, True, CurrentTime);
        XTestFakeKeyEvent(display, code, False, CurrentTime);
        // Wait until the server has processed the press and release (and drop the
        // events our own connection got meanwhile, the map change notices).
        XSync(display, True);
    }
};

XTestKeyInjector::XTestKeyInjector() : m(std::make_unique<Impl>()) {}
XTestKeyInjector::~XTestKeyInjector() = default;

void XTestKeyInjector::restoreKeyboardMap() {
    m->restore();
}

void XTestKeyInjector::sendKey(int virtualKey) {
    m->pending.push_back(virtualKey);
    m->sendTimer.start();
}

} // namespace tikanda
