// XTestKeyInjector on a real X server: run only by tests/e2e/platform_e2e.sh on Xvfb with a
// window manager (hence E2e in the name; the Qt label leaves it out); skipped on Qt's
// offscreen platform when run there by hand.
#include "platform/platform_qt.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace {

struct KeyCatcher : QWidget {
    std::vector<int> released;
    void keyReleaseEvent(QKeyEvent* e) override { released.push_back(e->key()); }
};

// The keycode of F16 in the server's keyboard map as a new client sees it.
int f16Keycode() {
    Display* d = XOpenDisplay(nullptr);
    const int code = d ? XKeysymToKeycode(d, XK_F16) : -1;
    if (d) XCloseDisplay(d);
    return code;
}

} // namespace

TEST(E2eKeyInjectionOnX11, F16ReachesTheFocusedWindowAndTheMapIsRestored) {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs an X server (tests/e2e/platform_e2e.sh)";
    const int before = f16Keycode();
    KeyCatcher w;
    w.setFocusPolicy(Qt::StrongFocus);
    w.resize(100, 100);
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.setFocus();
    {
        tikanda::XTestKeyInjector keys;
        const auto inject = [&] {
            const auto n = w.released.size() + 1;
            keys.sendKey(127);
            ASSERT_TRUE(QTest::qWaitFor([&] { return w.released.size() == n; }, 10000));
            EXPECT_EQ(w.released, std::vector<int>(n, Qt::Key_F16));
        };
        inject();
        inject();
        // A spare keycode is borrowed only for a while after the last injection.
        if (before == 0) {
            EXPECT_TRUE(QTest::qWaitFor([] { return f16Keycode() == 0; }, 10000))
                << "the borrowed keycode is given back";
            inject();
        }
    }
    EXPECT_EQ(f16Keycode(), before) << "destroying the injector gives the keycode back at once";
}
