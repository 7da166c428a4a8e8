// The help file format, its parser and the shipped TIKANDA.HLP.

#include "fakes.h"
#include "ui/help/help_file.h"

#include <gtest/gtest.h>
#include <random>
#include <set>

namespace tikanda::test {
namespace {

const std::string kShipped = std::string(TIKANDA_SOURCE_DIR) + "/data/TIKANDA.HLP";

void collectMenu(const form::MenuItem& m, std::set<int>& topics) {
    if (m.HelpContextID) topics.insert(m.HelpContextID);
    for (const auto* c : m.Children)
        collectMenu(*c, topics);
}

// Every topic number the program can ask the help viewer for.
std::set<int> topicsInUse() {
    Rig rig;
    auto& w = rig.w;
    std::set<int> topics;
    for (const form::Control* c : w.controls) {
        if (c->WhatsThisHelpID) topics.insert(c->WhatsThisHelpID);
        if (c->HelpContextID) topics.insert(c->HelpContextID);
    }
    for (const auto* m : w.menuBar)
        collectMenu(*m, topics);
    for (const auto& b : w.tlbCas.Buttons)
        if (!b.Description.empty()) topics.insert(std::stoi(b.Description));
    // Topics set at run time: the toolbar by pointer position, "Co to je?".
    for (int x = -30; x <= 4110; x += 5) {
        w.mouseDown(w.tlbCas, 1, 0, float(x), 0);
        topics.insert(w.tlbCas.WhatsThisHelpID);
    }
    rig.popups.choices = {"mnuCoToJe"};
    w.mouseDown(w.fraNastav, 2, 0, 0, 0);
    for (const auto& [topic, control] : rig.help.whatsThis)
        topics.insert(topic);
    // The run states give Storno the topics of Pauza and Stop.
    topics.insert({13025, 13030});
    return topics;
}

TEST(ShippedHelpFile, ParsesCleanly) {
    const HelpFile f = HelpFile::load(kShipped);
    ASSERT_TRUE(f.usable()) << f.loadError();
    for (const auto& issue : f.issues())
        ADD_FAILURE() << issue;
    ASSERT_NE(f.contents(), nullptr);
    EXPECT_NE(f.contentsHtml().find("href=\"topic:3010\""), std::string::npos);
}

TEST(ShippedHelpFile, HasASectionForEveryTopicInUse) {
    const HelpFile f = HelpFile::load(kShipped);
    const std::set<int> used = topicsInUse();
    // The list is complete enough to mean something.
    for (int t : {10, 11030, 11031, 11038, 12015, 13027, 13080, 14040, 3010, 4020, 4050})
        EXPECT_TRUE(used.count(t)) << t;
    for (int t : used) {
        const HelpTopic* topic = f.topic(t);
        ASSERT_NE(topic, nullptr) << "no section for topic " << t;
        EXPECT_FALSE(topic->blocks.empty()) << "topic " << t << " has no text";
    }
}

TEST(HelpParser, SectionsParagraphsListsAndLinks) {
    const HelpFile f = HelpFile::parse("\xEF\xBB\xBF# comment\r\n"
                                       "@contents Obsah nápovědy\r\n"
                                       "See [[7]] and [[8|the other]].\r\n"
                                       "\n"
                                       "@topic 7 Sedm <b>\n"
                                       "first line\n"
                                       "second line\n"
                                       "\n"
                                       "- item one\n"
                                       "  continued\n"
                                       "- item two\n"
                                       "after & list\n"
                                       "@topic 8\n"
                                       "x\n");
    EXPECT_TRUE(f.issues().empty());
    ASSERT_NE(f.contents(), nullptr);
    EXPECT_EQ(f.contents()->title, "Obsah nápovědy");
    ASSERT_NE(f.topic(7), nullptr);
    const HelpTopic& t = *f.topic(7);
    EXPECT_EQ(t.title, "Sedm <b>");
    ASSERT_EQ(t.blocks.size(), 4u);
    EXPECT_EQ(t.blocks[0].text, "first line second line");
    EXPECT_EQ(t.blocks[1].kind, HelpBlock::Kind::ListItem);
    EXPECT_EQ(t.blocks[1].text, "item one continued");
    EXPECT_EQ(t.blocks[2].text, "item two");
    EXPECT_EQ(t.blocks[3].kind, HelpBlock::Kind::Paragraph);
    EXPECT_EQ(f.topic(8)->title, "Téma 8");
    EXPECT_EQ(f.topicNumbers(), (std::vector<int>{7, 8}));

    EXPECT_EQ(f.topicHtml(t), "<h2>Sedm &lt;b&gt;</h2><p>first line second line</p>"
                              "<ul><li>item one continued</li><li>item two</li></ul>"
                              "<p>after &amp; list</p>");
    EXPECT_EQ(f.contentsHtml(), "<h2>Obsah nápovědy</h2><p>See <a href=\"topic:7\">Sedm "
                                "&lt;b&gt;</a> and <a href=\"topic:8\">the other</a>.</p>");
    EXPECT_EQ(f.whatsThisHtml(*f.contents()),
              "<p><b>Obsah nápovědy</b></p><p>See Sedm &lt;b&gt; and the other.</p>");
}

TEST(HelpParser, MalformedInputIsSkippedAndReported) {
    const HelpFile f = HelpFile::parse("stray text\n"                 // 1
                                       "@topic 5 Good\n"              // 2
                                       "ok [[99]] [[x]] [[5|]] [[5\n" // 3
                                       "@topic abc Bad number\n"      // 4
                                       "lost\n"                       // 5
                                       "@topic 5 Again\n"             // 6
                                       "lost too\n"                   // 7
                                       "@bogus\n"                     // 8
                                       "@topic\n"                     // 9
                                       "@topic 1234567890 Too big\n"  // 10
                                       "@contents\n"                  // 11
                                       "bad \xC3\x28 byte \xFF\n"     // 12
                                       "@contents Second\n"           // 13
                                       "@topic 6 Six\n"               // 14
                                       "six\n");
    const auto& issues = f.issues();
    auto reported = [&](const std::string& what) {
        for (const auto& i : issues)
            if (i.find(what) != std::string::npos) return true;
        return false;
    };
    EXPECT_TRUE(reported("řádek 1: text před prvním oddílem"));
    EXPECT_TRUE(reported("řádek 4: neplatné číslo tématu „abc“"));
    EXPECT_TRUE(reported("řádek 6: téma 5 už je definováno"));
    EXPECT_TRUE(reported("řádek 8: neznámý příkaz „@bogus“"));
    EXPECT_TRUE(reported("řádek 9: neplatné číslo tématu"));
    EXPECT_TRUE(reported("řádek 10: neplatné číslo tématu"));
    EXPECT_TRUE(reported("řádek 12: neplatné znaky UTF-8"));
    EXPECT_TRUE(reported("řádek 13: druhý obsah"));
    EXPECT_TRUE(reported("téma 5: odkaz na chybějící téma 99"));
    EXPECT_TRUE(reported("téma 5: chybný odkaz „[[x]]“"));
    EXPECT_TRUE(reported("téma 5: chybný odkaz „[[5|]]“"));
    EXPECT_TRUE(reported("téma 5: chybný odkaz „[[5“"));
    EXPECT_EQ(issues.size(), 12u);

    // What was good is kept; the first section of a number wins.
    EXPECT_EQ(f.topicNumbers(), (std::vector<int>{5, 6}));
    EXPECT_EQ(f.topic(5)->title, "Good");
    ASSERT_EQ(f.topic(5)->blocks.size(), 1u);
    ASSERT_NE(f.contents(), nullptr);
    EXPECT_EQ(f.contents()->title, "Obsah");
    EXPECT_EQ(f.contents()->blocks.at(0).text, "bad \xEF\xBF\xBD( byte \xEF\xBF\xBD");
    // Broken links stay text; a link to a missing topic still renders.
    const std::string html = f.topicHtml(*f.topic(5));
    EXPECT_NE(html.find("[[x]]"), std::string::npos);
    EXPECT_NE(html.find("<a href=\"topic:99\">Téma 99</a>"), std::string::npos);
    EXPECT_TRUE(f.usable());
}

TEST(HelpParser, EmptyAndGarbageInputNeverCrash) {
    EXPECT_FALSE(HelpFile::parse("").usable());
    EXPECT_TRUE(HelpFile::parse("").issues().empty());
    EXPECT_FALSE(HelpFile::parse("\n\n# only comments\n").usable());

    std::mt19937 rng(12345);
    const std::string alphabet = "@topic 0123456789[]|#-\n\r\t abc\xC3\xA1\xFF\x80";
    for (int round = 0; round < 2000; ++round) {
        std::string s;
        const int len = int(rng() % 200);
        for (int i = 0; i < len; ++i)
            s += alphabet[rng() % alphabet.size()];
        const HelpFile f = HelpFile::parse(s);
        for (int n : f.topicNumbers())
            (void)f.topicHtml(*f.topic(n));
        (void)f.contentsHtml();
    }
}

TEST(HelpParser, MissingFileGivesAMessage) {
    const HelpFile f = HelpFile::load("/nonexistent/dir/TIKANDA.HLP");
    EXPECT_FALSE(f.usable());
    EXPECT_NE(f.loadError().find("nebyl nalezen"), std::string::npos);
    EXPECT_NE(f.loadError().find("TIKANDA.HLP"), std::string::npos);
}

} // namespace
} // namespace tikanda::test
