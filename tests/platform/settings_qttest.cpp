// The real settings store against a temporary configuration folder: what it writes and
// reads back, a save killed half way, two copies of the program over one file, and the
// program's start and exit over a damaged or oversized file, a settings or lock file that
// cannot be opened, a folder that is missing or blocked by a file, and a disk without room.
// The faults are ones root cannot write through either.
#include "fakes.h"
#include "platform/platform_qt.h"

#include <QtCore>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
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
    // The run state too: a program started here must never leave or take a run in the
    // user's own state folder.
    static void useFolder(const QString& dir) {
        qputenv("XDG_CONFIG_HOME", dir.toUtf8());
        qputenv("XDG_STATE_HOME", (dir + QStringLiteral("/state")).toUtf8());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir);
    }
    static QString file(const QString& dir) { return dir + QStringLiteral("/RVTikanda.conf"); }
    // The settings file's bytes; empty when it is no regular file (a FIFO is not opened).
    static QByteArray readFile(const QString& path) {
        QFile f(path);
        return QFileInfo(path).isFile() && f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QByteArray read(const QString& dir = {}) const {
        return readFile(file(dir.isEmpty() ? m_tmp.path() : dir));
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

// Runs `work` in a child process and gives back the text it returns; nullopt when the child
// failed, or hung: did not end within a minute.
std::optional<std::string> inChild(const std::function<std::string()>& work) {
    int out[2];
    if (pipe(out) != 0) return std::nullopt;
    const pid_t child = fork();
    if (child == 0) {
        close(out[0]);
        const std::string text = work();
        const bool sent = write(out[1], text.data(), text.size()) == ssize_t(text.size());
        _exit(sent ? 0 : 1);
    }
    close(out[1]);
    int status = 0;
    for (QDeadlineTimer deadline(60000); waitpid(child, &status, WNOHANG) == 0;) {
        if (deadline.hasExpired()) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            break;
        }
        QThread::msleep(20);
    }
    std::string text;
    char buf[4096];
    for (ssize_t n; (n = ::read(out[0], buf, sizeof buf)) > 0;)
        text.append(buf, std::size_t(n));
    close(out[0]);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return text;
}

// Start-up and the orderly exit ("Ano") over each fault, in a child process, with a write
// between them (the one two seconds after the start): whether the failed save was told at
// the exit, the alarm text loaded, and how often stderr said that the settings are not
// written. A damaged file is read as far as it goes and saved well-formed without a word; a
// file too large is not read and is replaced; a save that fails leaves the old file as it
// was. Nothing waits without end: not a lock that cannot be taken, nor a FIFO.
TEST_F(SettingsStoreTest, StartAndExitOverEachFaultOfTheFileItsLockItsFolderAndTheDisk) {
    const QByteArray good = "[User]\nText=ahoj\n";
    QByteArray huge = good;
    while (huge.size() <= 1024 * 1024)
        huge += "; " + QByteArray(98, 'x') + "\n";
    auto at = [](const QString& dir, const char* name) { return dir + QLatin1Char('/') + name; };
    // Puts the old file (none when empty) behind a link into another folder; gives its target.
    auto behindLink = [&](const QString& dir, const QByteArray& old) {
        const QString target = at(dir, "elsewhere/tikanda.ini");
        QDir().mkpath(at(dir, "elsewhere"));
        QFile f(target);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(old) == old.size());
        EXPECT_TRUE(QFile::link(target, file(dir)));
        return target;
    };
    auto lockPath = [](const QString& dir) { return file(dir) + QStringLiteral(".lock"); };
    std::optional<QLockFile> held; // another copy's, not let go of during the case
    const struct {
        const char* name;
        const char* folder; // under the temporary folder; "blocker" is a file
        QByteArray old;     // the file before; empty: none
        std::function<QString(const QString&, const QByteArray&)> fault; // gives the file's path
        bool noRoom;
        int told;
        const char* loaded;
        int stderrLines;
    } cases[] = {
        {"a section line without its ]", "a", good + "[Bro\nZvuk=1\n", {}, false, 0, "ahoj", 0},
        {"binary junk", "b", good + "\x01\xff\xfe\x80junk\x02\nZvuk=1\n", {}, false, 0, "ahoj", 0},
        {"a truncated line", "c", good + "Zvu", {}, false, 0, "ahoj", 0},
        {"a missing folder", "new/config", "", {}, false, 0, "Budíček!", 0},
        {"the folder is a file", "blocker/config", "", {}, false, 1, "Budíček!", 0},
        {"no room", "d", good, {}, true, 1, "ahoj", 0},
        {"damaged, and no room", "e", good + "[Bro\n", {}, true, 1, "ahoj", 0},
        {"the lock a link to nowhere", "f", good,
         [&](const QString& dir, const QByteArray&) {
             EXPECT_TRUE(QFile::link(at(dir, "nowhere"), lockPath(dir)));
             return file(dir);
         },
         false, 1, "ahoj", 1},
        {"the lock a folder", "g", good,
         [&](const QString& dir, const QByteArray&) {
             EXPECT_TRUE(QDir().mkpath(lockPath(dir)));
             return file(dir);
         },
         false, 1, "ahoj", 1},
        {"the lock a FIFO", "h", good,
         [&](const QString& dir, const QByteArray&) {
             EXPECT_EQ(mkfifo(QFile::encodeName(lockPath(dir)).constData(), 0600), 0);
             return file(dir);
         },
         false, 1, "ahoj", 1},
        {"the lock held by another copy", "l", good,
         [&](const QString& dir, const QByteArray&) {
             held.emplace(lockPath(dir));
             EXPECT_TRUE(held->tryLock(0));
             return file(dir);
         },
         false, 1, "ahoj", 1},
        {"the file a FIFO", "i", "",
         [&](const QString& dir, const QByteArray&) {
             EXPECT_EQ(mkfifo(QFile::encodeName(file(dir)).constData(), 0600), 0);
             return file(dir);
         },
         false, 1, "Budíček!", 1},
        {"the file a link", "j", good, behindLink, false, 0, "ahoj", 0},
        {"the file a link to a file over 1 MB", "k", huge, behindLink, false, 0, "Budíček!", 0},
    };
    ASSERT_TRUE(QFile(m_tmp.filePath(QStringLiteral("blocker"))).open(QIODevice::WriteOnly));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString dir = m_tmp.filePath(QString::fromLatin1(c.folder));
        useFolder(dir);
        QString path = file(dir);
        if (c.fault || !c.old.isEmpty()) QDir().mkpath(dir);
        if (c.fault) {
            path = c.fault(dir, c.old);
            if (!c.old.isEmpty() && path == file(dir)) {
                QFile f(path);
                ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(c.old) == c.old.size());
            }
        } else if (!c.old.isEmpty()) {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(c.old) == c.old.size());
        }
        const auto result = inChild([&] {
            const QString errors = dir + QStringLiteral(".stderr");
            const int fd = ::open(QFile::encodeName(errors).constData(), O_WRONLY | O_CREAT, 0600);
            dup2(fd, 2);
            std::optional<NoRoom> noRoom;
            if (c.noRoom) noRoom.emplace();
            QtSettingsStore store;
            Rig rig(&store); // its end falls while there is no room as well
            rig.w.Form_Load();
            store.flush();
            rig.messages.answers = {MsgAnswer::Yes};
            rig.w.mnuKonec_Click();
            const auto told = std::ranges::count(
                rig.messages.shown, "Nastavení se nepodařilo uložit.", &ShownMessage::text);
            return std::to_string(told) + " " + rig.w.AlarmText + " " +
                   std::to_string(readFile(errors).count("the settings are not written"));
        });
        held.reset();
        ASSERT_TRUE(result) << "the child hung or failed";
        EXPECT_EQ(*result,
                  std::to_string(c.told) + " " + c.loaded + " " + std::to_string(c.stderrLines));
        const QByteArray saved = readFile(path);
        if (path != file(dir)) EXPECT_TRUE(QFileInfo(file(dir)).isSymLink()) << "the link is gone";
        if (c.told) {
            EXPECT_EQ(saved, c.old);
        } else {
            EXPECT_TRUE(wellFormed(saved)) << saved.left(200).toStdString();
            EXPECT_TRUE(saved.contains("[Default]\n"));
            EXPECT_EQ(saved.contains("\nText=ahoj\n"), std::string(c.loaded) == "ahoj");
        }
    }
}

// Two copies of the program over one file, both started before either ends and each ended
// with "Ano": the first turns the sound on; the second, ended later, changes the panel
// colour only. Its save keeps the first one's value.
TEST_F(SettingsStoreTest, TwoCopiesOverOneFileKeepEachOthersChanges) {
    int loaded[2], go[2];
    ASSERT_EQ(pipe(loaded), 0);
    ASSERT_EQ(pipe(go), 0);
    const pid_t second = fork();
    ASSERT_GE(second, 0);
    if (second == 0) {
        QtSettingsStore store;
        Rig r(&store);
        r.w.Form_Load();
        char c = 'l';
        if (write(loaded[1], &c, 1) != 1 || ::read(go[0], &c, 1) != 1) _exit(2);
        r.w.picGreen.BackColor = 0x112233;
        r.messages.answers = {MsgAnswer::Yes};
        r.w.mnuKonec_Click();
        _exit(r.messages.shown.size() == 1 ? 0 : 1); // the question only: saved
    }
    close(loaded[1]);
    close(go[0]);
    char c = 0;
    EXPECT_EQ(::read(loaded[0], &c, 1), 1);
    {
        QtSettingsStore store;
        Rig r(&store);
        r.w.Form_Load();
        r.w.toolbarClick("Zvuk");
        r.messages.answers = {MsgAnswer::Yes};
        r.w.mnuKonec_Click();
        EXPECT_EQ(r.messages.shown.size(), 1u) << "the first save failed";
    }
    EXPECT_EQ(write(go[1], "g", 1), 1);
    close(go[1]);
    close(loaded[0]);
    int status = 0;
    ASSERT_EQ(waitpid(second, &status, 0), second);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the second save failed";
    const QByteArray user = read().mid(read().indexOf("[User]\n"));
    EXPECT_TRUE(user.contains("\nZvuk=1\n") && user.contains("\nColGreen=1122867\n"))
        << read().toStdString();
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
