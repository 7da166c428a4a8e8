// Help files that cannot be read as such: a folder in the file's place, an oversized
// file, an empty one; and messages that quote long texts.

#include "ui/help/help_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace tikanda {
namespace {

namespace fs = std::filesystem;

class HelpFileFaults : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir =
            fs::temp_directory_path() /
            ("tikanda-help-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        ASSERT_TRUE(fs::create_directories(m_dir));
    }
    void TearDown() override { fs::remove_all(m_dir); }
    std::string path(const char* name) const { return (m_dir / name).string(); }
    fs::path m_dir;
};

TEST_F(HelpFileFaults, AFolderInThePlaceOfTheFileCannotBeRead) {
    fs::create_directory(path("TIKANDA.HLP"));
    const HelpFile f = HelpFile::load(path("TIKANDA.HLP"));
    EXPECT_FALSE(f.usable());
    EXPECT_TRUE(f.loadError().find("nelze přečíst") != std::string::npos ||
                f.loadError().find("nebyl nalezen") != std::string::npos)
        << f.loadError();
}

TEST_F(HelpFileFaults, AnOversizedFileIsNotRead) {
    {
        std::ofstream out(path("TIKANDA.HLP"), std::ios::binary);
        out << "@topic 1 Jedna\n";
        const std::string line(1023, 'x');
        for (std::size_t written = 0; written <= HelpFile::kMaxFileSize; written += 1024)
            out << line << '\n';
    }
    const HelpFile f = HelpFile::load(path("TIKANDA.HLP"));
    EXPECT_FALSE(f.usable());
    EXPECT_NE(f.loadError().find("příliš velký"), std::string::npos) << f.loadError();
}

TEST_F(HelpFileFaults, AnEmptyFileIsDamaged) {
    std::ofstream(path("TIKANDA.HLP"), std::ios::binary).close();
    const HelpFile f = HelpFile::load(path("TIKANDA.HLP"));
    EXPECT_FALSE(f.usable());
    EXPECT_NE(f.loadError().find("poškozen"), std::string::npos) << f.loadError();
}

TEST(HelpFileMessages, LongQuotesAreCutBetweenCharacters) {
    // The quote is cut after 40 bytes; here the 40th byte is the middle of "é".
    const std::string word = "@" + std::string(38, 'x') + "éé";
    const HelpFile f = HelpFile::parse(word + "\n@topic 1 Jedna\ntext\n");
    ASSERT_EQ(f.issues().size(), 1u);
    EXPECT_NE(f.issues()[0].find("„@" + std::string(38, 'x') + "…“"), std::string::npos)
        << f.issues()[0];

    const std::string longPath = "/" + std::string(38, 'y') + "ř/TIKANDA.HLP";
    const HelpFile missing = HelpFile::load(longPath);
    EXPECT_NE(missing.loadError().find("„/" + std::string(38, 'y') + "…“"), std::string::npos)
        << missing.loadError();
}

} // namespace
} // namespace tikanda
