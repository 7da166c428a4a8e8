// Watches the X server for the benchmarks (bench/bench.py); stamps each event as it
// arrives, so that the figures are what the X server saw, not what a program logged.
//
//   xwatch launch TITLE TIMEOUT -- PROGRAM [ARG...]
//       Starts PROGRAM and waits until a top-level window titled TITLE is viewable (mapped
//       with all its ancestors, as the window manager reports it with VisibilityNotify or
//       MapNotify). Prints "PID MS WINDOW CPU_MS": the program's PID, milliseconds from just
//       before the fork to that moment, the window's id, and the CPU time the program's
//       threads had used by then (less sensitive to other load on the machine than the
//       wall-clock time). The program is left running.
//   xwatch wait TITLE TIMEOUT
//       Waits until a window titled TITLE (already there or created later) becomes
//       viewable. Prints "US WINDOW": the wall clock at that moment in µs since the epoch.
//   xwatch keycode KEYSYM
//       Prints the keycode the server's keyboard map gives KEYSYM (e.g. F16), 0 for none.
//   xwatch captions WINDOW SECONDS
//       For SECONDS, prints "US TITLE" for each change of the window's title
//       (_NET_WM_NAME, or WM_NAME), stamped with the wall clock in µs.
//
// Exit code 1 when the wait timed out, 2 on a usage or display error. XWATCH_DEBUG=1 in the
// environment prints every event on stderr as it arrives.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

namespace {

Display* g_dpy = nullptr;
Atom g_netWmName = None;
Atom g_utf8 = None;

std::int64_t nowMicros(clockid_t clock) {
    timespec ts{};
    clock_gettime(clock, &ts);
    return std::int64_t(ts.tv_sec) * 1000000 + ts.tv_nsec / 1000;
}

// Windows vanish while they are looked at; their errors are expected and ignored.
int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

std::string title(Window w) {
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    std::string result;
    if (XGetWindowProperty(g_dpy, w, g_netWmName, 0, 1024, False, g_utf8, &type, &format, &items,
                           &after, &data) == Success &&
        data && type == g_utf8 && format == 8) {
        result.assign(reinterpret_cast<char*>(data), items);
        XFree(data);
        return result;
    }
    if (data) XFree(data);
    data = nullptr;
    if (XGetWindowProperty(g_dpy, w, XA_WM_NAME, 0, 1024, False, AnyPropertyType, &type, &format,
                           &items, &after, &data) == Success &&
        data && format == 8)
        result.assign(reinterpret_cast<char*>(data), items);
    if (data) XFree(data);
    return result;
}

bool viewable(Window w) {
    XWindowAttributes a{};
    return XGetWindowAttributes(g_dpy, w, &a) && a.map_state == IsViewable;
}

// Follows the top-level windows: every window created as a child of the root, and the
// children of existing frames (the window manager reparents clients into frames).
class Watcher {
public:
    explicit Watcher(std::string wanted) : m_wanted(std::move(wanted)) {
        const Window root = DefaultRootWindow(g_dpy);
        XSelectInput(g_dpy, root, SubstructureNotifyMask);
        Window r = 0, parent = 0, *kids = nullptr;
        unsigned n = 0;
        if (XQueryTree(g_dpy, root, &r, &parent, &kids, &n)) {
            for (unsigned i = 0; i < n; ++i) {
                follow(kids[i]);
                Window r2 = 0, p2 = 0, *kids2 = nullptr;
                unsigned n2 = 0;
                if (XQueryTree(g_dpy, kids[i], &r2, &p2, &kids2, &n2)) {
                    for (unsigned j = 0; j < n2; ++j)
                        follow(kids2[j]);
                    if (kids2) XFree(kids2);
                }
            }
            if (kids) XFree(kids);
        }
        XSync(g_dpy, False);
    }

    // Waits until a followed window with the wanted title is viewable; its id, or 0 when
    // the time ran out. *at gets the moment on the given clock.
    Window wait(std::int64_t deadlineMono, clockid_t clock, std::int64_t* at) {
        // Windows that were viewable before the wait began count at once.
        for (Window w : m_windows) {
            if (viewable(w) && title(w) == m_wanted) {
                *at = nowMicros(clock);
                return w;
            }
        }
        while (true) {
            while (XPending(g_dpy)) {
                XEvent e;
                XNextEvent(g_dpy, &e);
                const std::int64_t t = nowMicros(clock);
                if (std::getenv("XWATCH_DEBUG"))
                    std::fprintf(stderr, "xwatch: %lld event %d window 0x%lx\n",
                                 static_cast<long long>(nowMicros(CLOCK_MONOTONIC)), e.type,
                                 e.xany.window);
                if (Window w = handle(e)) {
                    *at = t;
                    return w;
                }
            }
            const std::int64_t left = deadlineMono - nowMicros(CLOCK_MONOTONIC);
            if (left <= 0) return 0;
            pollfd p{ConnectionNumber(g_dpy), POLLIN, 0};
            poll(&p, 1, int(left / 1000) + 1);
        }
    }

private:
    void follow(Window w) {
        if (!m_windows.insert(w).second) return;
        XSelectInput(g_dpy, w, StructureNotifyMask | VisibilityChangeMask | PropertyChangeMask);
    }

    // The window that became viewable with the wanted title through this event, or 0.
    Window handle(const XEvent& e) {
        switch (e.type) {
        case CreateNotify:
            follow(e.xcreatewindow.window);
            // Mapped before the selection took effect: look now.
            return check(e.xcreatewindow.window);
        case ReparentNotify:
            follow(e.xreparent.window);
            return 0;
        case MapNotify:
            return check(e.xmap.window);
        case VisibilityNotify:
            if (e.xvisibility.state == VisibilityFullyObscured) return 0;
            return check(e.xvisibility.window);
        case PropertyNotify:
            // A title given after the window was shown.
            if (e.xproperty.atom == g_netWmName || e.xproperty.atom == XA_WM_NAME)
                return check(e.xproperty.window);
            return 0;
        default:
            return 0;
        }
    }

    Window check(Window w) {
        if (!m_windows.count(w)) return 0;
        return viewable(w) && title(w) == m_wanted ? w : 0;
    }

    std::string m_wanted;
    std::set<Window> m_windows;
};

// CPU time of all live threads of a process in ms (/proc/PID/task/*/schedstat, in ns).
double cpuMillis(pid_t pid) {
    const std::string dir = "/proc/" + std::to_string(pid) + "/task";
    double total = 0;
    if (DIR* d = opendir(dir.c_str())) {
        while (const dirent* e = readdir(d)) {
            if (e->d_name[0] == '.') continue;
            if (std::FILE* f = std::fopen((dir + "/" + e->d_name + "/schedstat").c_str(), "r")) {
                unsigned long long ns = 0;
                if (std::fscanf(f, "%llu", &ns) == 1) total += double(ns) / 1e6;
                std::fclose(f);
            }
        }
        closedir(d);
    }
    return total;
}

int usage() {
    std::fprintf(stderr, "usage: xwatch launch TITLE TIMEOUT -- PROGRAM [ARG...]\n"
                         "       xwatch wait TITLE TIMEOUT\n"
                         "       xwatch captions WINDOW SECONDS\n"
                         "       xwatch keycode KEYSYM\n");
    return 2;
}

int launch(int argc, char** argv) {
    if (argc < 6 || std::strcmp(argv[4], "--") != 0) return usage();
    const std::string wanted = argv[2];
    const double timeout = std::atof(argv[3]);
    Watcher watcher(wanted);
    fcntl(ConnectionNumber(g_dpy), F_SETFD, FD_CLOEXEC);

    const std::int64_t start = nowMicros(CLOCK_MONOTONIC);
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("xwatch: fork");
        return 2;
    }
    if (pid == 0) {
        dup2(2, 1); // the program's output goes with ours to stderr, not into our answer
        execvp(argv[5], argv + 5);
        std::perror("xwatch: exec");
        _exit(127);
    }
    std::int64_t at = 0;
    const Window w = watcher.wait(start + std::int64_t(timeout * 1e6), CLOCK_MONOTONIC, &at);
    if (!w) {
        std::fprintf(stderr, "xwatch: no viewable window \"%s\" within %g s\n", wanted.c_str(),
                     timeout);
        std::printf("%d\n", int(pid));
        return 1;
    }
    const double cpu = cpuMillis(pid);
    std::printf("%d %.3f 0x%lx %.3f\n", int(pid), double(at - start) / 1000.0, w, cpu);
    return 0;
}

int waitFor(int argc, char** argv) {
    if (argc != 4) return usage();
    Watcher watcher(argv[2]);
    // Tell the caller the watch is set up (a line on stderr), so it can go on.
    std::fprintf(stderr, "ready\n");
    std::int64_t at = 0;
    const Window w = watcher.wait(
        nowMicros(CLOCK_MONOTONIC) + std::int64_t(std::atof(argv[3]) * 1e6), CLOCK_REALTIME, &at);
    if (!w) return 1;
    std::printf("%lld 0x%lx\n", static_cast<long long>(at), w);
    return 0;
}

int captions(int argc, char** argv) {
    if (argc != 4) return usage();
    const Window w = Window(std::strtoul(argv[2], nullptr, 0));
    const std::int64_t end = nowMicros(CLOCK_MONOTONIC) + std::int64_t(std::atof(argv[3]) * 1e6);
    XSelectInput(g_dpy, w, PropertyChangeMask | StructureNotifyMask);
    XSync(g_dpy, False);
    std::fprintf(stderr, "ready\n");
    std::string last = title(w);
    while (true) {
        while (XPending(g_dpy)) {
            XEvent e;
            XNextEvent(g_dpy, &e);
            const std::int64_t t = nowMicros(CLOCK_REALTIME);
            if (e.type == DestroyNotify && e.xdestroywindow.window == w) return 0;
            // A title is written as both names: a change is reported once, at the first.
            if (e.type == PropertyNotify && e.xproperty.window == w &&
                (e.xproperty.atom == g_netWmName || e.xproperty.atom == XA_WM_NAME)) {
                const std::string now = title(w);
                if (now == last) continue;
                last = now;
                std::printf("%lld %s\n", static_cast<long long>(t), now.c_str());
                std::fflush(stdout);
            }
        }
        const std::int64_t left = end - nowMicros(CLOCK_MONOTONIC);
        if (left <= 0) return 0;
        pollfd p{ConnectionNumber(g_dpy), POLLIN, 0};
        poll(&p, 1, int(left / 1000) + 1);
    }
}

int keycode(int argc, char** argv) {
    if (argc != 3) return usage();
    const KeySym sym = XStringToKeysym(argv[2]);
    if (sym == NoSymbol) return usage();
    // Read afresh from the server: XKeysymToKeycode would use Xlib's cached map.
    int minCode = 0, maxCode = 0, per = 0;
    XDisplayKeycodes(g_dpy, &minCode, &maxCode);
    KeySym* map = XGetKeyboardMapping(g_dpy, KeyCode(minCode), maxCode - minCode + 1, &per);
    int found = 0;
    for (int code = minCode; map && code <= maxCode && !found; ++code)
        for (int i = 0; i < per; ++i)
            if (map[(code - minCode) * per + i] == sym) found = code;
    if (map) XFree(map);
    std::printf("%d\n", found);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    g_dpy = XOpenDisplay(nullptr);
    if (!g_dpy) {
        std::fprintf(stderr, "xwatch: cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    g_netWmName = XInternAtom(g_dpy, "_NET_WM_NAME", False);
    g_utf8 = XInternAtom(g_dpy, "UTF8_STRING", False);
    const std::string cmd = argv[1];
    if (cmd == "launch") return launch(argc, argv);
    if (cmd == "wait") return waitFor(argc, argv);
    if (cmd == "captions") return captions(argc, argv);
    if (cmd == "keycode") return keycode(argc, argv);
    return usage();
}
