// The real settings store when things go wrong: a save killed half way (SIGKILL while the
// file is being written), a configuration folder that is missing or cannot be written,
// and the program's start and exit over such a folder.

#include "fakes.h"
#include "platform/platform_qt.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <random>
#include <string>
#include <thread>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tikanda::test {
namespace {

const std::string kApp = "RVTikanda";

class SettingsFaults : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_tmp.isValid());
        useFolder(m_tmp.path());
    }
    // QSettings remembers the folder of its first use in a process: set it directly too.
    static void useFolder(const QString& dir) {
        qputenv("XDG_CONFIG_HOME", dir.toUtf8());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir);
    }
    static QByteArray read(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QString file() const { return m_tmp.filePath(QStringLiteral("RVTikanda.conf")); }
    QTemporaryDir m_tmp;
};

// ---- A save killed half way ----

// Generation g of a large settings content: about 1.5 MB, every value marked with g.
const char* const kKeys[] = {"Text", "Text1", "Text2", "Text3", "Text4", "Text5", "WAV"};
std::string payload(int g, const char* key) {
    std::string s = "g" + std::to_string(g) + ":" + key + ":";
    const std::string unit = std::string(1, char('a' + g % 26)) + "řádek, ";
    while (s.size() < 200000)
        s += unit;
    return s;
}
void writeGeneration(SettingsStore& store, int g) {
    store.set(kApp, "User", "Gen", std::to_string(g));
    for (const char* k : kKeys)
        store.set(kApp, "User", k, payload(g, k));
}

// The generation a settings file holds, from its "Gen=" line; -1 without one.
int generationOf(const QByteArray& bytes) {
    const int at = bytes.indexOf("\nGen=");
    if (at < 0) return -1;
    const int end = bytes.indexOf('\n', at + 1);
    bool ok = false;
    const int g = bytes.mid(at + 5, end - at - 5).toInt(&ok);
    return ok ? g : -1;
}

TEST_F(SettingsFaults, ASaveKilledHalfWayLeavesTheOldOrTheNewFile) {
    {
        QtSettingsStore store;
        writeGeneration(store, 0);
        ASSERT_TRUE(store.flush());
    }
    std::random_device seedSource;
    const unsigned seed = seedSource();
    RecordProperty("seed", std::to_string(seed));
    std::mt19937 rng(seed);

    // The exact bytes of each generation, written once without interference elsewhere.
    QTemporaryDir refDir;
    ASSERT_TRUE(refDir.isValid());
    std::map<int, QByteArray> references;
    auto reference = [&](int g) -> const QByteArray& {
        auto it = references.find(g);
        if (it != references.end()) return it->second;
        const QString dir = refDir.filePath(QString::number(g));
        useFolder(dir);
        {
            QtSettingsStore store;
            writeGeneration(store, g);
            EXPECT_TRUE(store.flush());
        }
        useFolder(m_tmp.path());
        return references[g] = read(dir + QStringLiteral("/RVTikanda.conf"));
    };

    int lastSeen = 0, killedAfterProgress = 0;
    for (int round = 0; round < 12; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Save ever newer generations until killed; never return into the test.
            QtSettingsStore store;
            for (int g = lastSeen + 1;; ++g) {
                writeGeneration(store, g);
                store.flush();
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20 + rng() % 400));
        ASSERT_EQ(kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
        // A writer killed while taking QSettings' lock can leave an empty lock file, which
        // holds up every save until it is 30 s old; the writer is gone, so clear it now.
        QFile::remove(file() + QStringLiteral(".lock"));

        const QByteArray bytes = read(file());
        const int g = generationOf(bytes);
        ASSERT_GE(g, lastSeen) << "round " << round << ": no complete file, " << bytes.size()
                               << " bytes";
        if (g > lastSeen) ++killedAfterProgress;
        EXPECT_EQ(bytes, reference(g))
            << "round " << round << ": generation " << g << " is not complete";
        lastSeen = g;
    }
    EXPECT_GT(killedAfterProgress, 0) << "the writer never got a save done";

    // After the killed writers, the store reads and saves again.
    QtSettingsStore store;
    EXPECT_EQ(store.get(kApp, "User", "Gen", "?"), std::to_string(lastSeen));
    store.set(kApp, "User", "Gen", "done");
    EXPECT_TRUE(store.flush());
    EXPECT_EQ(generationOf(read(file())), -1);
    EXPECT_TRUE(read(file()).contains("\nGen=done\n"));
}

// ---- Missing or unwritable folders ----

TEST_F(SettingsFaults, AMissingFolderIsCreatedBySaving) {
    const QString nested = m_tmp.filePath(QStringLiteral("a/b/c"));
    useFolder(nested);
    {
        QtSettingsStore store;
        EXPECT_EQ(store.get(kApp, "User", "Text", "none"), "none");
        store.set(kApp, "User", "Text", "Budíček!");
        EXPECT_TRUE(store.flush());
    }
    EXPECT_TRUE(read(nested + QStringLiteral("/RVTikanda.conf")).contains("Text=Budíček!"));
}

// One main window over the real store, with the fake platform for the rest.
struct RealStoreWindow {
    Rig rig;
    QtSettingsStore store;
    Services svc{rig.clock,   rig.timers, rig.sound, rig.keys, rig.messages, rig.popups,
                 rig.dialogs, rig.help,   store,     rig.env,  rig.exit,     rig.windows};
    ProgramState program;
    FrmTikanda w{svc, program};

    // Start-up, then the orderly exit answered with "Ano".
    void startAndQuit() {
        w.Form_Load();
        rig.messages.answers = {MsgAnswer::Yes};
        w.mnuKonec_Click();
    }
    bool reportedUnsaved() const {
        for (const auto& m : rig.messages.shown)
            if (m.text == "Nastavení se nepodařilo uložit.") return true;
        return false;
    }
};

TEST_F(SettingsFaults, StartAndExitWithAFileInThePlaceOfTheFolder) {
    const QString blocker = m_tmp.filePath(QStringLiteral("blocker"));
    {
        QFile f(blocker);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    useFolder(blocker + QStringLiteral("/config"));
    RealStoreWindow r;
    r.startAndQuit();
    // Started with the built-in values, and told the user the save failed before ending.
    EXPECT_EQ(r.w.AlarmText, "Budíček!");
    EXPECT_EQ(r.w.Texts[5], "Varování!");
    EXPECT_TRUE(r.reportedUnsaved());
    EXPECT_EQ(r.rig.exit.codes, std::vector<int>{0});
}

TEST_F(SettingsFaults, StartAndExitInAReadOnlyFolder) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    const QString dir = m_tmp.filePath(QStringLiteral("ro"));
    ASSERT_TRUE(QDir().mkpath(dir));
    ASSERT_EQ(chmod(dir.toLocal8Bit().constData(), 0555), 0);
    useFolder(dir);
    bool reported = false;
    {
        RealStoreWindow r;
        r.startAndQuit();
        reported = r.reportedUnsaved();
        EXPECT_EQ(r.rig.exit.codes, std::vector<int>{0});
    }
    chmod(dir.toLocal8Bit().constData(), 0755);
    EXPECT_TRUE(reported);
    EXPECT_TRUE(QDir(dir).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(SettingsFaults, StartAndExitInAMissingFolderSavesThere) {
    const QString nested = m_tmp.filePath(QStringLiteral("new/config"));
    useFolder(nested);
    {
        RealStoreWindow r;
        r.startAndQuit();
        EXPECT_FALSE(r.reportedUnsaved());
    }
    const QByteArray saved = read(nested + QStringLiteral("/RVTikanda.conf"));
    EXPECT_TRUE(saved.contains("[Default]\n"));
    EXPECT_TRUE(saved.contains("[User]\n"));
}

} // namespace
} // namespace tikanda::test
