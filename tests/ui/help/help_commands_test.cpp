// What's-This help, the "Co to je?" menu, the toolbar topic by position, help contents,
// context help of menu items and the About box.

#include "fakes.h"

#include <gtest/gtest.h>

namespace tikanda::test {
namespace {

constexpr int kLeft = 1, kRight = 2;

TEST(ToolbarTopic, FollowsThePointerWithInclusiveBoundsUntilReleased) {
    Rig rig;
    auto& w = rig.w;
    const std::pair<float, int> cases[] = {
        {-1, 11030},   {0, 11031},    {360, 11031},  {361, 11032},  {700, 11032},     {710, 11030},
        {720, 11033},  {1050, 11033}, {1051, 11030}, {1120, 11030}, {1200, 11034},    {1530, 11034},
        {1560, 11035}, {1900, 11035}, {1920, 11036}, {2270, 11036}, {2271, 11030},    {2400, 11037},
        {2750, 11037}, {2800, 11030}, {2880, 11038}, {3230, 11038}, {3230.5f, 11030}, {4000, 11030},
    };
    for (const auto& [x, topic] : cases) {
        w.mouseDown(w.tlbCas, kLeft, 0, x, 100);
        EXPECT_EQ(w.tlbCas.WhatsThisHelpID, topic) << "x = " << x;
        w.mouseUp(w.tlbCas, kLeft, 0, x, 100);
        EXPECT_EQ(w.tlbCas.WhatsThisHelpID, 11030) << "released at x = " << x;
    }
    EXPECT_TRUE(rig.help.whatsThis.empty()); // left presses show nothing
    w.mouseDown(w.tlbCas, kRight, 0, 1700, 100);
    EXPECT_EQ(rig.help.whatsThis, (std::vector<std::pair<int, std::string>>{{11035, "tlbCas"}}));
}

TEST(CoToJe, ChosenShowsTopicTenAndPopRestoresTheOwnTopic) {
    struct Case {
        form::Control FrmTikanda::*control;
        int ownTopic;
    };
    const Case cases[] = {{&FrmTikanda::fraAlarm, 12015},
                          {&FrmTikanda::fraNastav, 13010},
                          {&FrmTikanda::picAlarm, 0},
                          {&FrmTikanda::picNastav, 14040}};
    for (const Case& c : cases) {
        Rig rig;
        form::Control& ctl = rig.w.*c.control;
        SCOPED_TRACE(ctl.Name);
        rig.popups.choices = {"mnuCoToJe"};
        rig.w.mouseDown(ctl, kRight, 0, 0, 0);
        EXPECT_EQ(rig.popups.shown.at(0).first, "mnuRMB");
        EXPECT_EQ(rig.help.whatsThis, (std::vector<std::pair<int, std::string>>{{10, ctl.Name}}));
        EXPECT_EQ(ctl.WhatsThisHelpID, c.ownTopic);
        EXPECT_EQ(rig.w.Answer, 0);
        // The title bar's "?" afterwards shows the control's own topic.
        rig.w.ShowWhatsThis(ctl);
        EXPECT_EQ(rig.help.whatsThis.back(), std::make_pair(c.ownTopic, ctl.Name));
    }
}

TEST(CoToJe, DismissedLeftClickOrStaleMarkerShowsNothingAndKeepsTheTopic) {
    Rig rig;
    auto& w = rig.w;
    w.mouseDown(w.fraAlarm, kRight, 0, 0, 0); // dismissed
    EXPECT_EQ(rig.popups.shown.size(), 1u);
    for (auto* c : {&w.fraAlarm, &w.fraNastav, &w.picAlarm, &w.picNastav})
        w.mouseDown(*c, kLeft, 0, 0, 0);
    w.Pop(2, 10, 12015, w.fraAlarm); // other first arguments open no menu
    EXPECT_EQ(rig.popups.shown.size(), 1u);
    w.Answer = 10; // a marker left by the colour menu is no choice of "Co to je?"
    w.mouseDown(w.picNastav, kRight, 0, 0, 0);
    EXPECT_TRUE(rig.help.whatsThis.empty());
    EXPECT_EQ(w.fraAlarm.WhatsThisHelpID, 12015);
    EXPECT_EQ(w.picNastav.WhatsThisHelpID, 14040);
}

TEST(HelpCommands, IndexOpensTheContentsAndF1OnAMenuItemItsTopic) {
    Rig rig;
    rig.w.menuClick(rig.w.mnuIndex);
    EXPECT_EQ(rig.help.file, "TIKANDA.HLP");
    EXPECT_EQ(rig.help.contents, 1);
    rig.w.menuContextHelp(rig.w.mnuPauza); // disabled items still have help
    rig.w.menuContextHelp(rig.w.mnuO);
    rig.w.menuContextHelp(rig.w.mnuAnalog); // no topic
    EXPECT_EQ(rig.help.topics, (std::vector<int>{13025, 4050}));
}

TEST(About, SevenLinesInAnInformationBox) {
    Rig rig;
    rig.w.menuClick(rig.w.mnuO);
    rig.w.toolbarClick("O");
    ASSERT_EQ(rig.messages.shown.size(), 2u);
    const ShownMessage& m = rig.messages.shown[0];
    EXPECT_EQ(rig.messages.shown[1].text, m.text);
    EXPECT_EQ(m.title, "Tikanda 1.3");
    EXPECT_EQ(m.icon, MsgIcon::Information);
    std::vector<std::string> lines;
    for (std::string::size_type from = 0, at = 0; at != std::string::npos; from = at + 2) {
        at = m.text.find("\r\n", from);
        lines.push_back(m.text.substr(from, at - from));
        EXPECT_EQ(lines.back().find_first_of("\r\n"), std::string::npos) << lines.back();
    }
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "Tikanda 1.3");
    EXPECT_EQ(lines[2], "Program pro spuštění alarmu v daný čas, za daný čas a stopky.");
    EXPECT_EQ(lines[3], "");
}

} // namespace
} // namespace tikanda::test
