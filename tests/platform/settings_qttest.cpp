// The real settings store against a temporary configuration folder.
#include "platform/platform_qt.h"

#include <QByteArray>
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
        useFolder(m_tmp.path());
    }
    static void useFolder(const QString& dir) {
        qputenv("XDG_CONFIG_HOME", dir.toUtf8());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir);
    }
    QString file() const { return m_tmp.filePath(QStringLiteral("RVTikanda.conf")); }
    QByteArray contents() const {
        QFile f(file());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void writeFile(const QByteArray& bytes) const {
        QFile f(file());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QTemporaryDir m_tmp;
};

} // namespace

TEST_F(SettingsStoreTest, WritesOneFileWithASectionPerGroupInUtf8) {
    {
        QtSettingsStore store;
        store.set(kApp, "Default", "Text", "Budíček!");
        store.set(kApp, "Default", "ColGreen", "-2147483647");
        store.set(kApp, "User", "Text3", "Hlášení");
        store.set(kApp, "User", "Text", "");
        EXPECT_TRUE(store.flush());
    }
    ASSERT_TRUE(QFile::exists(file()));
    const QByteArray bytes = contents();
    EXPECT_TRUE(bytes.contains("[Default]\n")) << bytes.toStdString();
    EXPECT_TRUE(bytes.contains("[User]\n"));
    EXPECT_TRUE(bytes.contains("Text=Budíček!\n")) << "texts are stored as plain UTF-8";
    EXPECT_TRUE(bytes.contains("Text3=Hlášení\n"));
    EXPECT_TRUE(bytes.contains("ColGreen=-2147483647\n"));
    // Nothing but the one file is left behind (no lock or temporary files).
    EXPECT_EQ(QDir(m_tmp.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("RVTikanda.conf")});

    QtSettingsStore again;
    EXPECT_EQ(again.get(kApp, "Default", "Text", "x"), "Budíček!");
    EXPECT_EQ(again.get(kApp, "User", "Text3", "x"), "Hlášení");
    EXPECT_EQ(again.get(kApp, "User", "Text", "x"), "") << "an empty value is a value";
    EXPECT_EQ(again.get(kApp, "User", "Text5", "fallback"), "fallback");
    EXPECT_EQ(again.get(kApp, "Nowhere", "Text", ""), "");
    EXPECT_EQ(again.get(kApp, "Default", "ColGreen", ""), "-2147483647");
}

TEST_F(SettingsStoreTest, ReadsHandWrittenAndDamagedFilesWithoutFailing) {
    writeFile("[User]\nText=Ahoj, světe\nZvuk=@Variant(\\0\\0\\0\\x7f)\n"
              "Ikona=\xff\xfe\x80\n[Default\nColLbl=\n");
    QtSettingsStore store;
    EXPECT_EQ(store.get(kApp, "User", "Text", ""), "Ahoj, světe");
    store.get(kApp, "User", "Zvuk", "0");  // any text will do; it must not crash
    store.get(kApp, "User", "Ikona", "0"); // invalid UTF-8
    EXPECT_EQ(store.get(kApp, "Default", "Text", "d"), "d");

    const char junk[] = "\x00\x01\x02"
                        "binary"
                        "\x00"
                        "garbage";
    writeFile(QByteArray(junk, sizeof junk - 1));
    QtSettingsStore binary;
    EXPECT_EQ(binary.get(kApp, "User", "Text", "d"), "d");
}

TEST_F(SettingsStoreTest, AwkwardTextsComeBackAsWritten) {
    const std::vector<std::string> texts = {"a;b.wav",
                                            "Ahoj, světe",
                                            " mezery ",
                                            "\"uvozovky\"",
                                            "x=y",
                                            "#není komentář",
                                            "C:\\Program Files\\Tikanda\\CILILINK.WAV",
                                            "řádek\ndruhý",
                                            "@Variant(x)"};
    {
        QtSettingsStore store;
        for (std::size_t i = 0; i < texts.size(); ++i)
            store.set(kApp, "User", "Text" + std::to_string(i), texts[i]);
        ASSERT_TRUE(store.flush());
    }
    QtSettingsStore again;
    for (std::size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(again.get(kApp, "User", "Text" + std::to_string(i), "?"), texts[i]);
}

TEST_F(SettingsStoreTest, ARewriteLeavesNoHalfWrittenFile) {
    QtSettingsStore store;
    store.set(kApp, "User", "Text", "první");
    ASSERT_TRUE(store.flush());
    store.set(kApp, "User", "Text", "druhý");
    ASSERT_TRUE(store.flush());
    EXPECT_TRUE(contents().contains("Text=druhý\n"));
    EXPECT_EQ(QDir(m_tmp.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(SettingsStoreTest, FlushFailsWhereTheFolderCannotBeMade) {
    // A plain file where the configuration folder should be: not even root can create it.
    const QString blocker = m_tmp.filePath(QStringLiteral("blocker"));
    {
        QFile f(blocker);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    useFolder(blocker + QStringLiteral("/config"));
    QtSettingsStore store;
    store.set(kApp, "User", "Text", "Budíček!");
    EXPECT_FALSE(store.flush());
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
