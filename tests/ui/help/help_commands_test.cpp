// What's-This help, the "Co to je?" menu, the toolbar topic by position, help contents,
// context help of menu items and the About box.

#include "fakes.h"

#include <gtest/gtest.h>

namespace tikanda::test {
namespace {

constexpr int kLeft = 1, kRight = 2;

TEST(ToolbarTopic, FollowsThePointerWithInclusiveBounds) {
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
}

TEST(ToolbarTopic, RightPressShowsTheButtonsTopic) {
    Rig rig;
    auto& w = rig.w;
    w.mouseDown(w.tlbCas, kRight, 0, 1700, 100);
    ASSERT_EQ(rig.help.whatsThis.size(), 1u);
    EXPECT_EQ(rig.help.whatsThis[0], std::make_pair(11035, std::string("tlbCas")));
    EXPECT_EQ(w.tlbCas.WhatsThisHelpID, 11035); // until the button is released
    w.mouseUp(w.tlbCas, kRight, 0, 1700, 100);
    EXPECT_EQ(w.tlbCas.WhatsThisHelpID, 11030);
}

TEST(CoToJe, ChosenShowsTopicTenAndRestoresTheOwnTopic) {
    struct Case {
        form::Control tikanda::FrmTikanda::*control;
        int ownTopic;
    };
    const Case cases[] = {{&FrmTikanda::fraAlarm, 12015},
                          {&FrmTikanda::fraNastav, 13010},
                          {&FrmTikanda::picAlarm, 0},
                          {&FrmTikanda::picNastav, 14040}};
    for (const Case& c : cases) {
        Rig rig;
        form::Control& ctl = rig.w.*c.control;
        ASSERT_EQ(ctl.WhatsThisHelpID, c.ownTopic) << ctl.Name;
        rig.popups.choices = {"mnuCoToJe"};
        rig.w.mouseDown(ctl, kRight, 0, 0, 0);
        ASSERT_EQ(rig.popups.shown.size(), 1u) << ctl.Name;
        EXPECT_EQ(rig.popups.shown[0], std::make_pair(std::string("mnuRMB"), std::string()));
        ASSERT_EQ(rig.help.whatsThis.size(), 1u) << ctl.Name;
        EXPECT_EQ(rig.help.whatsThis[0], std::make_pair(10, ctl.Name));
        EXPECT_EQ(ctl.WhatsThisHelpID, c.ownTopic) << ctl.Name;
        EXPECT_EQ(rig.w.Answer, 0);

        // The title bar's "?" afterwards shows the control's own topic.
        rig.w.ShowWhatsThis(ctl);
        EXPECT_EQ(rig.help.whatsThis.back(), std::make_pair(c.ownTopic, ctl.Name));
    }
}

TEST(CoToJe, DismissedShowsNothingAndRestoresTheTopic) {
    Rig rig;
    auto& w = rig.w;
    w.mouseDown(w.fraAlarm, kRight, 0, 0, 0);
    EXPECT_EQ(rig.popups.shown.size(), 1u);
    EXPECT_TRUE(rig.help.whatsThis.empty());
    EXPECT_EQ(w.fraAlarm.WhatsThisHelpID, 12015);

    // A marker left by the colour menu is not taken for a choice of "Co to je?".
    w.Answer = 10;
    w.mouseDown(w.picNastav, kRight, 0, 0, 0);
    EXPECT_TRUE(rig.help.whatsThis.empty());
    EXPECT_EQ(w.picNastav.WhatsThisHelpID, 14040);
}

TEST(CoToJe, LeftClicksAndOtherFirstArgumentsOpenNoMenu) {
    Rig rig;
    auto& w = rig.w;
    for (auto* c : {&w.fraAlarm, &w.fraNastav, &w.picAlarm, &w.picNastav})
        w.mouseDown(*c, kLeft, 0, 0, 0);
    w.Pop(2, 10, 12015, w.fraAlarm);
    EXPECT_TRUE(rig.popups.shown.empty());
    EXPECT_EQ(w.fraAlarm.WhatsThisHelpID, 12015);
}

TEST(HelpCommands, IndexOpensTheContents) {
    Rig rig;
    rig.w.menuClick(rig.w.mnuIndex);
    EXPECT_EQ(rig.w.dlgSound.HelpFile, "TIKANDA.HLP");
    EXPECT_EQ(rig.help.file, "TIKANDA.HLP");
    EXPECT_EQ(rig.help.contents, 1);
}

TEST(HelpCommands, F1OnAMenuItemOpensItsContextTopic) {
    Rig rig;
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
    EXPECT_EQ(m.title, "Tikanda 1.3");
    EXPECT_EQ(m.icon, MsgIcon::Information);
    EXPECT_EQ(m.buttons, MsgButtons::Ok);
    EXPECT_EQ(m.text, rig.w.WorkText);
    EXPECT_EQ(rig.messages.shown[1].text, m.text);

    std::vector<std::string> lines;
    std::string::size_type from = 0;
    for (;;) {
        const auto at = m.text.find("\r\n", from);
        lines.push_back(m.text.substr(from, at - from));
        if (at == std::string::npos) break;
        from = at + 2;
    }
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "Tikanda 1.3");
    EXPECT_FALSE(lines[1].empty());
    EXPECT_EQ(lines[2], "Program pro spuštění alarmu v daný čas, za daný čas a stopky.");
    EXPECT_EQ(lines[3], "");
    EXPECT_NE(lines[4].find("©"), std::string::npos);
    EXPECT_FALSE(lines[5].empty());
    EXPECT_FALSE(lines[6].empty());
    for (const auto& l : lines)
        EXPECT_EQ(l.find_first_of("\r\n"), std::string::npos) << l;
}

} // namespace
} // namespace tikanda::test
