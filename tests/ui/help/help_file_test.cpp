// The help file format, its parser and the shipped TIKANDA.HLP.

#include "fakes.h"
#include "ui/help/help_file.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

namespace tikanda::test {
namespace {

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

    // Every topic number the program can ask the help viewer for.
    Rig rig;
    auto& w = rig.w;
    // "Co to je?" and Storno's topics while a run is on or paused.
    std::set<int> used{10, 13025, 13030};
    for (const form::Control* c : w.controls)
        used.insert({c->WhatsThisHelpID, c->HelpContextID});
    for (const auto* m : w.menuBar)
        collectMenu(*m, used);
    for (int x = -30; x <= 4110; x += 5) { // the toolbar by pointer position
        w.mouseDown(w.tlbCas, 1, 0, float(x), 0);
        used.insert(w.tlbCas.WhatsThisHelpID);
    }
    used.erase(0);
    // The list is complete enough to mean something.
    for (int t : {11030, 11031, 11038, 12015, 13027, 13080, 14040, 3010, 4020, 4050})
        EXPECT_TRUE(used.count(t)) << t;
    for (int t : used)
        EXPECT_TRUE(f.topic(t) && !f.topic(t)->blocks.empty()) << "no text for topic " << t;
}

TEST(HelpParser, MalformedInputIsSkippedAndReported) {
    const HelpFile f = HelpFile::parse("stray text\n"                   // 1
                                       "@topic 5 Good <b>\n"            // 2
                                       "ok & [[99]] [[x]] [[5|]] [[5\n" // 3
                                       "@topic abc Bad number\n"        // 4
                                       "lost\n"                         // 5
                                       "@topic 5 Again\n"               // 6
                                       "lost too\n"                     // 7
                                       "@bogus\n"                       // 8
                                       "@topic\n"                       // 9
                                       "@topic 1234567890 Too big\n"    // 10
                                       "@contents\n"                    // 11
                                       "bad \xC3\x28 byte \xFF\n"       // 12
                                       "@contents Second\n"             // 13
                                       "@topic 6 Six\n"                 // 14
                                       "six\n");
    const std::string expected[] = {
        "řádek 1: text před prvním oddílem",  "řádek 4: neplatné číslo tématu „abc“",
        "řádek 6: téma 5 už je definováno",   "řádek 8: neznámý příkaz „@bogus“",
        "řádek 9: neplatné číslo tématu",     "řádek 10: neplatné číslo tématu",
        "řádek 12: neplatné znaky UTF-8",     "řádek 13: druhý obsah",
        "téma 5: odkaz na chybějící téma 99", "téma 5: chybný odkaz „[[x]]“",
        "téma 5: chybný odkaz „[[5|]]“",      "téma 5: chybný odkaz „[[5“"};
    EXPECT_EQ(f.issues().size(), std::size(expected));
    for (const std::string& what : expected)
        EXPECT_TRUE(std::any_of(f.issues().begin(), f.issues().end(), [&](const std::string& i) {
            return i.find(what) != i.npos;
        })) << what;

    // What was good is kept; the first section of a number wins.
    EXPECT_EQ(f.topicNumbers(), (std::vector<int>{5, 6}));
    ASSERT_NE(f.contents(), nullptr);
    EXPECT_EQ(f.contents()->blocks.at(0).text, "bad \xEF\xBF\xBD( byte \xEF\xBF\xBD");
    // Text is escaped; broken links stay text; a link to a missing topic still renders.
    const std::string html = f.topicHtml(*f.topic(5));
    EXPECT_EQ(html.rfind("<h2>Good &lt;b&gt;</h2><p>ok &amp; <a", 0), 0u) << html;
    EXPECT_NE(html.find("[[x]]"), std::string::npos);
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
