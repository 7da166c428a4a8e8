// The real settings store against a temporary configuration folder: what it writes and
// reads back, a save killed half way, and the program's start and exit over a folder that
// is missing, blocked by a file or read-only.
#include "fakes.h"
#include "platform/platform_qt.h"

#include <QtCore>
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tikanda::test {
namespace {

const std::string kApp = "RVTikanda";

// Points the user's configuration folder at a fresh temporary one. QSettings remembers
// the folder of its first use in a process, so its path is set directly as well.
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
    // The settings file in dir (the temporary folder by default).
    QByteArray read(QString dir = {}) const {
        QFile f((dir.isEmpty() ? m_tmp.path() : dir) + QStringLiteral("/RVTikanda.conf"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir m_tmp;
};
// The program-level cases, under the name the end-to-end scripts run them by.
using SettingsFaults = SettingsStoreTest;

// A folder made read-only for the scope (root writes into it all the same).
struct ReadOnly {
    QByteArray path;
    explicit ReadOnly(const QString& dir) : path(dir.toLocal8Bit()) {
        EXPECT_EQ(chmod(path.constData(), 0555), 0);
    }
    ~ReadOnly() { chmod(path.constData(), 0755); }
};

// One main window over the real store, with the fake platform for the rest.
struct RealStoreWindow {
    Rig rig;
    QtSettingsStore store;
    Services svc{rig.clock,   rig.timers, rig.sound, rig.keys, rig.messages, rig.popups,
                 rig.dialogs, rig.help,   store,     rig.env,  rig.exit,     rig.windows, rig.clock};
    ProgramState program;
    FrmTikanda w{svc, program};

    // Start-up, then the orderly exit answered with "Ano"; whether a failed save was told.
    bool startAndQuit() {
        w.Form_Load();
        rig.messages.answers = {MsgAnswer::Yes};
        w.mnuKonec_Click();
        for (const auto& m : rig.messages.shown)
            if (m.text == "Nastavení se nepodařilo uložit.") return true;
        return false;
    }
};

TEST_F(SettingsStoreTest, WritesOneUtf8FileWithASectionPerGroupAndReadsEveryTextBack) {
    // Texts an INI writer could mangle: separators, quotes, comment marks, escapes.
    // clang-format off
    const std::vector<std::string> texts = {
        "Hlášení", "Ahoj, světe", "a;b.wav", " mezery ", "\"uvozovky\"", "x=y", "#není komentář",
        "C:\\Program Files\\CILILINK.WAV", "řádek\ndruhý", "@Variant(x)", ""};
    // clang-format on
    {
        QtSettingsStore store;
        for (std::size_t i = 0; i < texts.size(); ++i)
            store.set(kApp, "User", "Text" + std::to_string(i), texts[i]);
        EXPECT_TRUE(store.flush());
    }
    EXPECT_TRUE(read().startsWith("[User]\nText0=Hlášení\n")) << read().toStdString();
    QtSettingsStore again;
    for (std::size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(again.get(kApp, "User", "Text" + std::to_string(i), "?"), texts[i]) << i;
    EXPECT_EQ(again.get(kApp, "Nowhere", "Text", "fallback"), "fallback");
}

TEST_F(SettingsStoreTest, FlushFailsInAReadOnlyFolderAndKeepsTheOldFile) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    QtSettingsStore store;
    store.set(kApp, "User", "Text", "staré");
    ASSERT_TRUE(store.flush());
    const QByteArray before = read();
    ReadOnly ro(m_tmp.path());
    store.set(kApp, "User", "Text", "nové");
    EXPECT_FALSE(store.flush());
    EXPECT_EQ(read(), before);
}

TEST_F(SettingsFaults, StartAndExitInAReadOnlyFolder) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    ReadOnly ro(m_tmp.path());
    EXPECT_TRUE(RealStoreWindow().startAndQuit());
}

TEST_F(SettingsFaults, StartAndExitInAFolderBlockedByAFileOrMissing) {
    const QString blocker = m_tmp.filePath(QStringLiteral("blocker"));
    ASSERT_TRUE(QFile(blocker).open(QIODevice::WriteOnly));
    for (const auto& [dir, blocked] : {std::pair{blocker + QStringLiteral("/config"), true},
                                       {m_tmp.filePath(QStringLiteral("new/config")), false}}) {
        SCOPED_TRACE(dir.toStdString());
        useFolder(dir);
        // Told the user the save failed before ending, or saved, creating the folder.
        EXPECT_EQ(RealStoreWindow().startAndQuit(), blocked);
        const QByteArray saved = read(dir);
        EXPECT_EQ(saved.contains("[Default]\n") && saved.contains("[User]\n"), !blocked);
    }
}

// ---- A save killed half way ----

// Generation g of a large settings text (1.4 MB), marked with g throughout.
std::string payload(int g) {
    return std::to_string(g) + ":" + std::string(1400000, char('a' + g % 26));
}
// The generation of the text a file holds whole; -1 for a damaged or missing file (none is
// there before the first save).
int completeGeneration(const QByteArray& bytes) {
    const int at = bytes.indexOf("\nText=") + 6;
    const int g = at < 6 ? -1 : bytes.mid(at, bytes.indexOf(':', at) - at).toInt();
    return bytes.contains(("\nText=" + payload(g) + "\n").c_str()) ? g : -1;
}

TEST_F(SettingsFaults, ASaveKilledHalfWayLeavesTheOldOrTheNewFile) {
    int lastSeen = -1, killedAfterProgress = 0;
    for (int round = 0; round < 12; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) { // save ever newer generations until killed; never return
            QtSettingsStore store;
            for (int g = lastSeen + 1;; ++g) {
                store.set(kApp, "User", "Text", payload(g));
                store.flush();
            }
        }
        QThread::msleep(20 + round * 137 % 400); // killed at ever other points
        ASSERT_EQ(kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
        // A writer killed while taking QSettings' lock can leave an empty lock file, which
        // holds up every save until it is 30 s old; the writer is gone, so clear it now.
        QFile::remove(m_tmp.filePath(QStringLiteral("RVTikanda.conf.lock")));
        const int g = completeGeneration(read());
        ASSERT_GE(g, lastSeen) << "round " << round << ": no complete file";
        killedAfterProgress += g > lastSeen;
        lastSeen = g;
    }
    EXPECT_GT(killedAfterProgress, 0) << "the writer never got a save done";
    EXPECT_TRUE(QtSettingsStore().get(kApp, "User", "Text", "?") == payload(lastSeen));
}

} // namespace
} // namespace tikanda::test
