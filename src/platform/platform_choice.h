#pragma once
// Which of Qt's window-system plugins the program runs on. Kept free of Qt so that the
// rule can be tested without a display.
//
// The alarm window must open above every other window, and the F16 keystroke must reach
// the system as user activity. An X server gives both; a native Wayland client gets
// neither (no client may keep itself above the others, nor send keys). So where an X
// server answers (XWayland in a Wayland session) the program runs on it, unless the user
// chose a plugin (QT_QPA_PLATFORM, -platform); where only Wayland answers it runs
// natively and says what it cannot do there. An X display named with -display is a
// choice of X too. A display that cannot be opened is said in one line, before Qt
// aborts on it.

#include <functional>
#include <string>
#include <vector>

namespace tikanda {

struct DisplaySession {
    std::string qpaPlatform;            // QT_QPA_PLATFORM
    std::vector<std::string> arguments; // the command line after the program's name
    std::string display;                // DISPLAY
    std::string waylandDisplay;         // WAYLAND_DISPLAY
    // Asked only when the answer matters: they open a connection.
    std::function<bool(const std::string& display)> xAnswers;
    std::function<bool()> waylandAnswers;
};

struct PlatformChoice {
    std::string platform; // the plugin to ask Qt for; empty: Qt's own choice stands
    std::string problem;  // why no window can open; empty when one can
};

PlatformChoice choosePlatform(const DisplaySession& s);

// What a native Wayland client cannot do of the alarm's promises (said once on stderr).
extern const char* const kWaylandLimits;

} // namespace tikanda
