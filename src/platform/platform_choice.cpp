#include "platform/platform_choice.h"

namespace tikanda {

const char* const kWaylandLimits =
    "running as a native Wayland client: the alarm window cannot keep itself above other "
    "windows and the F16 keystroke cannot be sent (the screen saver is still asked to wake "
    "the screen); with an X server (XWayland) both work";

namespace {

// The value after Qt's own option -name or --name (the last one given, as Qt reads them).
std::string option(const std::vector<std::string>& args, const std::string& name) {
    std::string value;
    for (std::size_t i = 0; i + 1 < args.size(); ++i)
        if (args[i] == "-" + name || args[i] == "--" + name) value = args[++i];
    return value;
}

} // namespace

PlatformChoice choosePlatform(const DisplaySession& s) {
    // Qt takes -platform over QT_QPA_PLATFORM, and its X plugin -display over DISPLAY.
    const std::string platformArgument = option(s.arguments, "platform");
    const std::string& platform = platformArgument.empty() ? s.qpaPlatform : platformArgument;
    const std::string displayArgument = option(s.arguments, "display");
    const std::string& display = displayArgument.empty() ? s.display : displayArgument;
    const auto noX = [&display]() -> std::string {
        if (display.empty())
            return "no display: DISPLAY is not set (start the program in a graphical session, "
                   "or under Xvfb)";
        return "cannot connect to the X display \"" + display + "\"";
    };
    const auto x = [&]() -> PlatformChoice {
        if (!display.empty() && s.xAnswers(display)) return {platform.empty() ? "xcb" : "", {}};
        return {{}, noX()};
    };
    // The user's choice stands; only X is checked ahead, as Qt aborts without one.
    if (!platform.empty()) return platform.rfind("xcb", 0) == 0 ? x() : PlatformChoice{};
    if (!displayArgument.empty()) return x();
    if (!display.empty() && s.xAnswers(display)) return {"xcb", {}};
    if (!s.waylandDisplay.empty() && s.waylandAnswers()) return {"wayland", {}};
    return {{}, noX()};
}

} // namespace tikanda
