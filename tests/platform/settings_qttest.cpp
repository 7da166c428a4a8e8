// The real settings store against a temporary configuration folder: what it writes and
// reads back, a save killed half way, and the program's start and exit over a damaged file,
// a folder that is missing or blocked by a file, and a disk without room. The faults are
// ones root cannot write through either.
#include "fakes.h"
#include "platform/platform_qt.h"

#include <QtCore>
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
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
    static QString file(const QString& dir) { return dir + QStringLiteral("/RVTikanda.conf"); }
    QByteArray read(const QString& dir = {}) const {
        QFile f(file(dir.isEmpty() ? m_tmp.path() : dir));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir m_tmp;
};

// No room for more than 16 bytes in any file written during the scope, for root as well:
// a write beyond the limit fails (EFBIG) instead of raising SIGXFSZ.
struct NoRoom {
    void (*oldHandler)(int) = signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    NoRoom() {
        getrlimit(RLIMIT_FSIZE, &old);
        const rlimit few{16, old.rlim_max};
        EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &few), 0);
    }
    ~NoRoom() {
        setrlimit(RLIMIT_FSIZE, &old);
        signal(SIGXFSZ, oldHandler);
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

// Not written at the next turn of the event loop (at start-up the main window is being
// mapped then), but a little later without a flush.
TEST_F(SettingsStoreTest, ChangesAreWrittenALittleLaterWithoutAFlush) {
    QtSettingsStore store;
    QElapsedTimer since;
    since.start();
    store.set(kApp, "Default", "Zvuk", "0");
    QCoreApplication::processEvents();
    if (since.elapsed() < 1500) EXPECT_FALSE(read().contains("Zvuk=0")) << "written at once";
    QDeadlineTimer deadline(20000);
    while (!read().contains("Zvuk=0") && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
    EXPECT_TRUE(read().startsWith("[Default]\nZvuk=0\n")) << read().toStdString();
}

// Every line empty, a [section] or a key=value of printable text.
bool wellFormed(const QByteArray& file) {
    static const QRegularExpression line(QStringLiteral("^(|\\[[^\\]]+\\]|[^=\\[]+=.*)$"));
    for (const QByteArray& l : file.split('\n'))
        if (!line.match(QString::fromUtf8(l)).hasMatch() ||
            std::any_of(l.begin(), l.end(), [](char c) { return (unsigned char)c < 0x20; }))
            return false;
    return true;
}

// Start-up and the orderly exit ("Ano") over each fault: whether the failed save was told
// (once), and the file after it. A damaged file is read as far as it goes and saved
// well-formed without a word; a save that fails leaves the old file as it was.
TEST_F(SettingsStoreTest, StartAndExitOverADamagedFileAFolderBlockedOrMissingAndNoRoom) {
    const QByteArray good = "[User]\nText=ahoj\n";
    const struct {
        const char* name;
        const char* folder; // under the temporary folder; "blocker" is a file
        QByteArray old;     // the file before; empty: none
        bool noRoom;
        int told;
    } cases[] = {
        {"a section line without its ]", "a", good + "[Bro\nZvuk=1\n", false, 0},
        {"binary junk", "b", good + "\x01\xff\xfe\x80junk\x02\nZvuk=1\n", false, 0},
        {"a truncated line", "c", good + "Zvu", false, 0},
        {"a missing folder", "new/config", "", false, 0},
        {"the folder is a file", "blocker/config", "", false, 1},
        {"no room", "d", good, true, 1},
        {"damaged, and no room", "e", good + "[Bro\n", true, 1},
    };
    ASSERT_TRUE(QFile(m_tmp.filePath(QStringLiteral("blocker"))).open(QIODevice::WriteOnly));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString dir = m_tmp.filePath(QString::fromLatin1(c.folder));
        useFolder(dir);
        if (!c.old.isEmpty()) {
            QDir().mkpath(dir);
            QFile f(file(dir));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(c.old) == c.old.size());
        }
        std::vector<ShownMessage> shown;
        {
            std::optional<NoRoom> noRoom;
            if (c.noRoom) noRoom.emplace();
            QtSettingsStore store;
            Rig rig(&store); // its end falls while there is no room as well
            rig.w.Form_Load();
            rig.messages.answers = {MsgAnswer::Yes};
            rig.w.mnuKonec_Click();
            shown = rig.messages.shown;
        }
        EXPECT_EQ(std::ranges::count(shown, "Nastavení se nepodařilo uložit.", &ShownMessage::text),
                  c.told);
        const QByteArray saved = read(dir);
        if (c.told) {
            EXPECT_EQ(saved, c.old);
        } else {
            EXPECT_TRUE(wellFormed(saved)) << saved.toStdString();
            EXPECT_TRUE(saved.contains("[Default]\n") && saved.contains("[User]\n"));
            if (!c.old.isEmpty()) EXPECT_TRUE(saved.contains("\nText=ahoj\n"));
        }
    }
}

// Generation g of a large settings text (300 kB), marked with g throughout.
std::string payload(int g) {
    return std::to_string(g) + ":" + std::string(300000, char('a' + g % 26));
}
// The generation of the text a file holds whole; -1 for a damaged or missing file.
int completeGeneration(const QByteArray& bytes) {
    const int at = bytes.indexOf("\nText=") + 6;
    const int g = at < 6 ? -1 : bytes.mid(at, bytes.indexOf(':', at) - at).toInt();
    return bytes.contains(("\nText=" + payload(g) + "\n").c_str()) ? g : -1;
}

TEST_F(SettingsStoreTest, ASaveKilledHalfWayLeavesTheOldOrTheNewFile) {
    const QString lock = file(m_tmp.path()) + QStringLiteral(".lock");
    int lastSeen = -1, killedAfterProgress = 0;
    for (int round = 0; round < 4; ++round) {
        SCOPED_TRACE(round);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) { // saves ever newer generations until killed
            QtSettingsStore store;
            for (int g = lastSeen + 1;; ++g) {
                store.set(kApp, "User", "Text", payload(g));
                store.flush();
            }
        }
        QThread::msleep(30 + round * 97); // killed at other points each round
        ASSERT_EQ(kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
        // The lock file the killed writer left behind goes when the store is opened next,
        // so that no save waits for it to grow old.
        QtSettingsStore().get(kApp, "User", "Text", "");
        EXPECT_FALSE(QFile::exists(lock));
        const int g = completeGeneration(read());
        ASSERT_GE(g, lastSeen) << "no complete file";
        killedAfterProgress += g > lastSeen;
        lastSeen = g;
    }
    EXPECT_GT(killedAfterProgress, 0) << "the writer never got a save done";
    EXPECT_TRUE(QtSettingsStore().get(kApp, "User", "Text", "?") == payload(lastSeen));
    // The lock of a live writer stays.
    QLockFile live(lock);
    ASSERT_TRUE(live.tryLock(0));
    QtSettingsStore().get(kApp, "User", "Text", "");
    EXPECT_TRUE(QFile::exists(lock));
}

} // namespace
} // namespace tikanda::test
