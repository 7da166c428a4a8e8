// What's-This help, "Co to je?", the toolbar topic by position, help contents, context help
// of menu items and the About box; the help file parser and the shipped TIKANDA.HLP.

#include "fakes.h"
#include "ui/help/help_file.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>

namespace tikanda::test {
namespace {

using namespace std::string_literals;
using Shown = std::vector<std::pair<int, std::string>>;
constexpr int kLeft = 1, kRight = 2;

TEST(ToolbarTopic, FollowsThePointerWithInclusiveBoundsUntilReleased) {
    Rig rig;
    auto& w = rig.w;
    const std::pair<float, int> cases[] = {{-1, 11030},  {0, 11031},   {360, 11031},
                                           {361, 11032}, {710, 11030}, {3230.5f, 11030}};
    for (const auto& [x, topic] : cases) {
        w.mouseDown(w.tlbCas, kLeft, 0, x, 100);
        EXPECT_EQ(w.tlbCas.WhatsThisHelpID, topic) << "x = " << x;
        w.mouseUp(w.tlbCas, kLeft, 0, x, 100);
        EXPECT_EQ(w.tlbCas.WhatsThisHelpID, 11030) << "released at x = " << x;
    }
    w.mouseDown(w.tlbCas, kRight, 0, 1700, 100); // only a right press shows it
    EXPECT_EQ(rig.help.whatsThis, (Shown{{11035, "tlbCas"}}));
}

TEST(CoToJe, OnlyAChosenItemShowsTopicTenAndTheOwnTopicComesBack) {
    Rig rig;
    auto& w = rig.w;
    Shown expected;
    const std::pair<form::Control*, int> cases[] = {
        {&w.fraAlarm, 12015}, {&w.fraNastav, 13010}, {&w.picAlarm, 0}, {&w.picNastav, 14040}};
    for (auto [ctl, own] : cases) {
        w.mouseDown(*ctl, kLeft, 0, 0, 0); // no menu
        w.Answer = 10; // a marker left by the colour menu is no choice of "Co to je?"
        w.mouseDown(*ctl, kRight, 0, 0, 0); // dismissed
        rig.popups.choices = {"mnuCoToJe"};
        w.mouseDown(*ctl, kRight, 0, 0, 0);
        w.ShowWhatsThis(*ctl); // the title bar's "?" afterwards: the control's own topic
        expected.insert(expected.end(), {{10, ctl->Name}, {own, ctl->Name}});
    }
    EXPECT_EQ(rig.help.whatsThis, expected);
    EXPECT_EQ(w.Answer, 0);
    EXPECT_EQ(rig.popups.shown, (std::vector(8, std::pair("mnuRMB"s, ""s))));
}

TEST(HelpCommands, IndexShowsTheContentsF1ATopicAndBothAboutCommandsTheBox) {
    Rig rig;
    auto& w = rig.w;
    w.menuClick(w.mnuIndex);
    for (auto* item : {&w.mnuPauza, &w.mnuO, &w.mnuAnalog}) // disabled or not; mnuAnalog has none
        w.menuContextHelp(*item);
    EXPECT_EQ(std::make_tuple(rig.help.file, rig.help.contents, rig.help.topics),
              std::make_tuple("TIKANDA.HLP"s, 1, std::vector<int>{13025, 4050}));

    w.menuClick(w.mnuO);
    w.toolbarClick("O");
    ASSERT_EQ(rig.messages.shown.size(), 2u);
    // The contact lines point to what ships with the program, no invented address.
    const std::string& about = rig.messages.shown[0].text;
    EXPECT_EQ(about.find("example."), std::string::npos);
    EXPECT_NE(about.find("\r\nNávod: man tikanda"), std::string::npos);
}

void collectMenu(const form::MenuItem& m, std::set<int>& topics) {
    topics.insert(m.HelpContextID);
    for (const auto* c : m.Children)
        collectMenu(*c, topics);
}

TEST(ShippedHelpFile, ParsesCleanlyWithASectionForEveryTopicInUse) {
    const HelpFile f = HelpFile::load(std::string(TIKANDA_SOURCE_DIR) + "/data/TIKANDA.HLP");
    ASSERT_TRUE(f.usable()) << f.loadError();
    EXPECT_EQ(f.issues(), std::vector<std::string>{});
    EXPECT_TRUE(f.contents() && f.contentsHtml().find("href=\"topic:3010\"") != std::string::npos);

    // The topics the program can ask for; 10 is "Co to je?", 13025 and 13030 Storno's in a run.
    Rig rig;
    std::set<int> used{10, 13025, 13030};
    for (const form::Control* c : rig.w.controls)
        used.insert({c->WhatsThisHelpID, c->HelpContextID});
    for (const auto* m : rig.w.menuBar)
        collectMenu(*m, used);
    for (int t = 11030; t <= 11038; ++t) // the toolbar's, by pointer position
        used.insert(t);
    used.erase(0);
    EXPECT_GE(used.size(), 30u); // the list is complete enough to mean something
    for (int t : used)
        EXPECT_TRUE(f.topic(t) && !f.topic(t)->blocks.empty()) << "no text for topic " << t;
}

TEST(HelpParser, MalformedInputIsSkippedAndReported) {
    const HelpFile f = HelpFile::parse("stray text\n"             // 1
                                       "@topic 5 Good <b>\n"      // 2
                                       "ok & [[99]] [[x]]\n"      // 3
                                       "@topic abc Bad number\n"  // 4
                                       "lost\n"                   // 5
                                       "@topic 5 Again\n"         // 6
                                       "@bogus\n"                 // 7
                                       "@contents\n"              // 8
                                       "bad \xC3\x28 byte \xFF\n" // 9
                                       "@topic 6 Six\n"           // 10
                                       "six\n");
    const std::string expected[] = {
        "řádek 1: text před prvním oddílem", "řádek 4: neplatné číslo tématu „abc“",
        "řádek 6: téma 5 už je definováno",  "řádek 7: neznámý příkaz „@bogus“",
        "řádek 9: neplatné znaky UTF-8",     "téma 5: odkaz na chybějící téma 99",
        "téma 5: chybný odkaz „[[x]]“"};
    std::string all;
    for (const std::string& issue : f.issues())
        all += issue + '\n';
    EXPECT_EQ(f.issues().size(), std::size(expected)) << all;
    for (const std::string& what : expected)
        EXPECT_NE(all.find(what), all.npos) << what;

    // What was good is kept; the first section of a number wins. Text is escaped; a link to
    // a missing topic still renders.
    EXPECT_EQ(f.topicNumbers(), (std::vector<int>{5, 6}));
    const std::string html = f.topicHtml(*f.topic(5));
    EXPECT_EQ(html.rfind("<h2>Good &lt;b&gt;</h2><p>ok &amp; <a", 0), 0u) << html;
    EXPECT_NE(html.find("<a href=\"topic:99\">Téma 99</a>"), std::string::npos);
}

// A folder in the file's place, an oversized file, an empty one, a missing one whose long
// path is quoted in the message cut between characters (the 40th byte is inside "ř").
TEST(HelpFileLoad, FaultsLeaveTheFileUnusableAndSayWhy) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("tikanda-help-" + std::to_string(getpid()));
    fs::create_directories(dir / "folder.hlp");
    std::ofstream(dir / "empty.hlp").close();
    std::ofstream(dir / "big.hlp") << "@topic 1 Jedna\n"
                                   << std::string(HelpFile::kMaxFileSize, 'x');
    const std::pair<std::string, std::string> cases[] = {
        {(dir / "folder.hlp").string(), "nelze přečíst"},
        {(dir / "big.hlp").string(), "příliš velký"},
        {(dir / "empty.hlp").string(), "poškozen: neobsahuje žádné téma"},
        {"/" + std::string(38, 'y') + "ř/TIKANDA.HLP",
         "„/" + std::string(38, 'y') + "…“ nebyl nalezen"},
    };
    for (const auto& [path, why] : cases) {
        const HelpFile f = HelpFile::load(path);
        EXPECT_FALSE(f.usable()) << path;
        EXPECT_NE(f.loadError().find(why), std::string::npos) << f.loadError();
    }
    fs::remove_all(dir);
}

} // namespace
} // namespace tikanda::test
