// The real settings store against a temporary configuration folder.
#include "platform/platform_qt.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

using tikanda::QtSettingsStore;

namespace {

const std::string kApp = "RVTikanda";

// Points the user's configuration folder at a fresh temporary one. QSettings remembers
// the folder of the first use in a process, so its path is set directly as well.
class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_tmp.isValid());
        qputenv("XDG_CONFIG_HOME", m_tmp.path().toUtf8());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_tmp.path());
    }
    QByteArray contents() {
        QFile f(m_tmp.filePath(QStringLiteral("RVTikanda.conf")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void setContents(const QByteArray& bytes) {
        QFile f(m_tmp.filePath(QStringLiteral("RVTikanda.conf")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QTemporaryDir m_tmp;
};

} // namespace

TEST_F(SettingsStoreTest, WritesOneUtf8FileWithASectionPerGroupAndReadsEveryTextBack) {
    // Texts an INI writer could mangle: separators, quotes, comment marks, escapes.
    // clang-format off
    const std::vector<std::string> texts = {
        "Hlášení", "Ahoj, světe", "a;b.wav", " mezery ", "\"uvozovky\"", "x=y", "#není komentář",
        "C:\\Program Files\\CILILINK.WAV", "řádek\ndruhý", "@Variant(x)", ""};
    // clang-format on
    {
        QtSettingsStore store;
        store.set(kApp, "Default", "ColGreen", "-2147483647");
        for (std::size_t i = 0; i < texts.size(); ++i)
            store.set(kApp, "User", "Text" + std::to_string(i), texts[i]);
        EXPECT_TRUE(store.flush());
    }
    const QByteArray bytes = contents();
    for (const char* line : {"[Default]\nColGreen=-2147483647\n", "[User]\n", "Text0=Hlášení\n"})
        EXPECT_TRUE(bytes.contains(line)) << line << " in\n" << bytes.toStdString();
    // Nothing but the one file is left behind (no lock or temporary files).
    EXPECT_EQ(QDir(m_tmp.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("RVTikanda.conf")});

    QtSettingsStore again;
    for (std::size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(again.get(kApp, "User", "Text" + std::to_string(i), "?"), texts[i]) << i;
    EXPECT_EQ(again.get(kApp, "User", "Text99", "fallback"), "fallback");
    EXPECT_EQ(again.get(kApp, "Nowhere", "Text", "fallback"), "fallback");
}

TEST_F(SettingsStoreTest, ReadsHandWrittenAndDamagedFilesWithoutFailing) {
    setContents("[User]\nText=Ahoj, světe\nZvuk=@Variant(\\0\\0\\0\\x7f)\n"
                "Ikona=\xff\xfe\x80\n[Default\nColLbl=\n");
    QtSettingsStore store;
    EXPECT_EQ(store.get(kApp, "User", "Text", ""), "Ahoj, světe");
    store.get(kApp, "User", "Zvuk", "0");  // any text will do; it must not crash
    store.get(kApp, "User", "Ikona", "0"); // invalid UTF-8
    EXPECT_EQ(store.get(kApp, "Default", "Text", "d"), "d");

    setContents(QByteArrayLiteral("\x00\x01\x02zz\x00garbage")); // not INI at all
    EXPECT_EQ(QtSettingsStore().get(kApp, "User", "Text", "d"), "d");
}

TEST_F(SettingsStoreTest, FlushFailsInAReadOnlyFolderAndKeepsTheOldFile) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    {
        QtSettingsStore store;
        store.set(kApp, "User", "Text", "staré");
        ASSERT_TRUE(store.flush());
    }
    const QByteArray before = contents();
    ASSERT_EQ(chmod(m_tmp.path().toLocal8Bit().constData(), 0555), 0);
    QtSettingsStore store;
    store.set(kApp, "User", "Text", "nové");
    const bool flushed = store.flush();
    chmod(m_tmp.path().toLocal8Bit().constData(), 0755);
    EXPECT_FALSE(flushed);
    EXPECT_EQ(contents(), before);
}
