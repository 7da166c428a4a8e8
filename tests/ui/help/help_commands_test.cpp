// What's-This help, the "Co to je?" menu, the toolbar topic by position, help contents,
// context help of menu items and the About box.

#include "fakes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tikanda::test {
namespace {

using namespace std::string_literals;
using Shown = std::vector<std::pair<int, std::string>>;
constexpr int kLeft = 1, kRight = 2;

TEST(ToolbarTopic, FollowsThePointerWithInclusiveBoundsUntilReleased) {
    Rig rig;
    auto& w = rig.w;
    const std::pair<float, int> cases[] = {
        {-1, 11030},   {0, 11031},    {360, 11031},  {361, 11032},     {700, 11032},  {710, 11030},
        {720, 11033},  {1050, 11033}, {1051, 11030}, {1200, 11034},    {1530, 11034}, {1560, 11035},
        {1900, 11035}, {1920, 11036}, {2270, 11036}, {2271, 11030},    {2400, 11037}, {2750, 11037},
        {2800, 11030}, {2880, 11038}, {3230, 11038}, {3230.5f, 11030},
    };
    for (const auto& [x, topic] : cases) {
        w.mouseDown(w.tlbCas, kLeft, 0, x, 100);
        EXPECT_EQ(w.tlbCas.WhatsThisHelpID, topic) << "x = " << x;
        w.mouseUp(w.tlbCas, kLeft, 0, x, 100);
        EXPECT_EQ(w.tlbCas.WhatsThisHelpID, 11030) << "released at x = " << x;
    }
    EXPECT_TRUE(rig.help.whatsThis.empty()); // left presses show nothing
    w.mouseDown(w.tlbCas, kRight, 0, 1700, 100);
    EXPECT_EQ(rig.help.whatsThis, (Shown{{11035, "tlbCas"}}));
}

TEST(CoToJe, OnlyAChosenItemShowsTopicTenAndTheOwnTopicComesBack) {
    Rig rig;
    auto& w = rig.w;
    Shown expected;
    const std::pair<form::Control*, int> cases[] = {
        {&w.fraAlarm, 12015}, {&w.fraNastav, 13010}, {&w.picAlarm, 0}, {&w.picNastav, 14040}};
    for (auto [ctl, own] : cases) {
        w.mouseDown(*ctl, kLeft, 0, 0, 0);  // no menu
        w.mouseDown(*ctl, kRight, 0, 0, 0); // dismissed
        w.Answer = 10; // a marker left by the colour menu is no choice of "Co to je?"
        w.mouseDown(*ctl, kRight, 0, 0, 0);
        rig.popups.choices = {"mnuCoToJe"};
        w.mouseDown(*ctl, kRight, 0, 0, 0);
        w.ShowWhatsThis(*ctl); // the title bar's "?" afterwards: the control's own topic
        expected.insert(expected.end(), {{10, ctl->Name}, {own, ctl->Name}});
    }
    EXPECT_EQ(rig.help.whatsThis, expected);
    EXPECT_EQ(w.Answer, 0);
    w.Pop(2, 10, 12015, w.fraAlarm); // other first arguments open no menu
    EXPECT_EQ(rig.popups.shown, (std::vector(12, std::pair("mnuRMB"s, ""s))));
}

TEST(HelpCommands, IndexShowsTheContentsF1ATopicAndAboutSevenLines) {
    Rig rig;
    auto& w = rig.w;
    w.menuClick(w.mnuIndex);
    for (auto* item : {&w.mnuPauza, &w.mnuO, &w.mnuAnalog}) // disabled or not; mnuAnalog has none
        w.menuContextHelp(*item);
    EXPECT_EQ(std::make_tuple(rig.help.file, rig.help.contents, rig.help.topics),
              std::make_tuple("TIKANDA.HLP"s, 1, std::vector<int>{13025, 4050}));

    w.menuClick(w.mnuO);
    w.toolbarClick("O");
    const ShownMessage& m = rig.messages.shown.at(0);
    const auto lines = std::count(m.text.begin(), m.text.end(), '\n');
    const auto returns = std::count(m.text.begin(), m.text.end(), '\r');
    EXPECT_EQ(
        std::make_tuple(rig.messages.shown.at(1).text, m.title, m.icon, lines, returns,
                        m.text.substr(0, 13)),
        std::make_tuple(m.text, "Tikanda 1.3"s, MsgIcon::Information, 6, 6, "Tikanda 1.3\r\n"s));
}

} // namespace
} // namespace tikanda::test
