// The window-system plugin, chosen before the application object exists (see
// platform_choice.h for the rule).

#include "platform/platform_choice.h"
#include "platform/platform_qt.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <xcb/xcb.h>

namespace tikanda {

namespace {

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

// An X server answers when it accepts a connection, authorisation included. (libxcb's
// connection, as Qt's own: Xlib's would cost a start-up several times as much.)
bool xAnswers(const std::string& display) {
    xcb_connection_t* c = xcb_connect(display.c_str(), nullptr);
    const bool ok = xcb_connection_has_error(c) == 0;
    xcb_disconnect(c);
    return ok;
}

// The compositor's socket: WAYLAND_DISPLAY itself when it is a path, else a name in
// XDG_RUNTIME_DIR.
bool waylandAnswers(const std::string& name) {
    const std::string path = name[0] == '/' ? name : env("XDG_RUNTIME_DIR") + "/" + name;
    sockaddr_un addr{};
    if (path.size() >= sizeof addr.sun_path) return false;
    addr.sun_family = AF_UNIX;
    std::memcpy(addr.sun_path, path.c_str(), path.size());
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const bool ok = connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
    close(fd);
    return ok;
}

} // namespace

std::string selectPlatform(int argc, char** argv) {
    DisplaySession s;
    s.qpaPlatform = env("QT_QPA_PLATFORM");
    s.arguments.assign(argv + std::min(argc, 1), argv + argc);
    s.display = env("DISPLAY");
    s.waylandDisplay = env("WAYLAND_DISPLAY");
    s.xAnswers = xAnswers;
    s.waylandAnswers = [&s] { return waylandAnswers(s.waylandDisplay); };
    const PlatformChoice c = choosePlatform(s);
    if (!c.platform.empty()) setenv("QT_QPA_PLATFORM", c.platform.c_str(), 1);
    return c.problem;
}

} // namespace tikanda
