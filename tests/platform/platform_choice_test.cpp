#include "platform/platform_choice.h"

#include <gtest/gtest.h>

namespace tikanda {
namespace {

TEST(PlatformChoice, XWhereItAnswersUnlessTheUserChose) {
    struct Row {
        const char* qpa;
        bool argument;
        const char* display;
        const char* wayland;
        bool xUp, waylandUp;
        const char* platform; // "" leaves Qt's choice
        const char* problem;  // the start of the message, "" for none
    };
    const Row rows[] = {
        // A Wayland session with XWayland: X, even with Qt's Wayland plugin at hand.
        {"", false, ":1", "wayland-0", true, true, "xcb", ""},
        {"", false, ":0", "", true, false, "xcb", ""},
        // Only the compositor answers: native Wayland.
        {"", false, "", "wayland-0", false, true, "wayland", ""},
        {"", false, ":1", "wayland-0", false, true, "wayland", ""},
        // Nothing answers.
        {"", false, ":1", "wayland-0", false, false, "", "cannot connect to the X display \":1\""},
        {"", false, "", "", false, false, "", "no display"},
        {"", false, "", "wayland-9", false, false, "", "no display"},
        // The user's choice stands; an X choice without X is said before Qt aborts.
        {"wayland", false, ":1", "wayland-0", true, true, "", ""},
        {"offscreen", false, "", "", false, false, "", ""},
        {"", true, ":1", "wayland-0", true, true, "", ""},
        {"xcb", false, ":1", "wayland-0", true, true, "", ""},
        {"xcb", false, ":1", "wayland-0", false, true, "", "cannot connect"},
        {"xcb", false, "", "wayland-0", false, true, "", "no display"},
    };
    for (const Row& r : rows) {
        int xAsked = 0;
        const DisplaySession s{r.qpa,
                               r.argument,
                               r.display,
                               r.wayland,
                               [&] { return ++xAsked, r.xUp; },
                               [&] { return r.waylandUp; }};
        const PlatformChoice c = choosePlatform(s);
        const std::string at = std::string(r.qpa) + "|" + r.display + "|" + r.wayland + "|" +
                               std::to_string(r.xUp) + std::to_string(r.waylandUp);
        EXPECT_EQ(c.platform, r.platform) << at;
        EXPECT_EQ(c.problem.substr(0, std::string(r.problem).size()), r.problem) << at;
        EXPECT_EQ(c.problem.empty(), !*r.problem) << at;
        EXPECT_LE(xAsked, 1) << at; // one connection at most
    }
}

} // namespace
} // namespace tikanda
