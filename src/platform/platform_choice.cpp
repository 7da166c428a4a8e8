#include "platform/platform_choice.h"

namespace tikanda {

const char* const kWaylandLimits =
    "running as a native Wayland client: the alarm window cannot keep itself above other "
    "windows and the F16 keystroke cannot be sent (the screen saver is still asked to wake "
    "the screen); with an X server (XWayland) both work";

PlatformChoice choosePlatform(const DisplaySession& s) {
    const auto noX = [&s]() -> std::string {
        if (s.display.empty())
            return "no display: DISPLAY is not set (start the program in a graphical session, "
                   "or under Xvfb)";
        return "cannot connect to the X display \"" + s.display + "\"";
    };
    // The user's choice stands; only X is checked ahead, as Qt aborts without one.
    if (s.platformArgument) return {};
    if (!s.qpaPlatform.empty()) {
        if (s.qpaPlatform.rfind("xcb", 0) != 0) return {};
        if (!s.display.empty() && s.xAnswers()) return {};
        return {{}, noX()};
    }
    if (!s.display.empty() && s.xAnswers()) return {"xcb", {}};
    if (!s.waylandDisplay.empty() && s.waylandAnswers()) return {"wayland", {}};
    return {{}, noX()};
}

} // namespace tikanda
