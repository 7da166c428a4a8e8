#include "platform/platform_choice.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tikanda {
namespace {

TEST(PlatformChoice, XWhereItAnswersUnlessTheUserChose) {
    struct Row {
        const char* qpa;
        const char* args; // the command line, split at spaces
        const char* display;
        const char* wayland;
        const char* xUp; // the X display that answers, "" none
        bool waylandUp;
        const char* platform; // "" leaves Qt's choice
        const char* problem;  // the start of the message, "" for none
    };
    const Row rows[] = {
        // A Wayland session with XWayland: X, even with Qt's Wayland plugin at hand.
        {"", "", ":1", "wayland-0", ":1", true, "xcb", ""},
        {"", "NOMENU", ":0", "", ":0", false, "xcb", ""},
        // Only the compositor answers: native Wayland.
        {"", "", "", "wayland-0", "", true, "wayland", ""},
        {"", "", ":1", "wayland-0", "", true, "wayland", ""},
        // Nothing answers.
        {"", "", ":1", "wayland-0", "", false, "", "cannot connect to the X display \":1\""},
        {"", "", "", "", "", false, "", "no display"},
        {"", "", "", "wayland-9", "", false, "", "no display"},
        // The user's choice stands; an X choice without X is said before Qt aborts.
        {"wayland", "", ":1", "wayland-0", ":1", true, "", ""},
        {"offscreen", "", "", "", "", false, "", ""},
        {"", "-platform wayland", ":1", "wayland-0", ":1", true, "", ""},
        {"xcb", "", ":1", "wayland-0", ":1", true, "", ""},
        {"xcb", "", ":1", "wayland-0", "", true, "", "cannot connect"},
        {"xcb", "", "", "wayland-0", "", true, "", "no display"},
        // -platform goes before QT_QPA_PLATFORM, as in Qt.
        {"wayland", "--platform xcb", ":1", "wayland-0", "", true, "", "cannot connect"},
        {"xcb", "-platform wayland", "", "wayland-0", "", true, "", ""},
        // -display names the X display, over DISPLAY, and chooses X.
        {"", "-display :2", "", "", ":2", false, "xcb", ""},
        {"", "NOBAR --display :2", ":1", "wayland-0", ":2", true, "xcb", ""},
        {"", "-display :999", ":1", "wayland-0", ":1", true, "",
         "cannot connect to the X display \":999\""},
        {"xcb", "-display :999", ":1", "", ":1", false, "", "cannot connect"},
        {"", "-platform offscreen -display :999", ":1", "", ":1", false, "", ""},
        {"", "-display", ":1", "", ":1", false, "xcb", ""}, // no value: Qt ignores it
    };
    for (const Row& r : rows) {
        int xAsked = 0;
        std::istringstream words(r.args);
        std::vector<std::string> args;
        for (std::string w; words >> w;)
            args.push_back(w);
        const DisplaySession s{r.qpa,
                               args,
                               r.display,
                               r.wayland,
                               [&](const std::string& d) { return ++xAsked, d == r.xUp; },
                               [&] { return r.waylandUp; }};
        const PlatformChoice c = choosePlatform(s);
        const std::string at = std::string(r.qpa) + "|" + r.args + "|" + r.display + "|" +
                               r.wayland + "|" + r.xUp + std::to_string(r.waylandUp);
        EXPECT_EQ(c.platform, r.platform) << at;
        EXPECT_EQ(c.problem.substr(0, std::string(r.problem).size()), r.problem) << at;
        EXPECT_EQ(c.problem.empty(), !*r.problem) << at;
        EXPECT_LE(xAsked, 1) << at; // one connection at most
    }
}

} // namespace
} // namespace tikanda
