// The state files of pending runs in a temporary state folder: one run per live copy, the
// run of a copy that is gone taken by the next start (a further one handed to a copy started
// for it), nothing but regular files opened, and the autostart entry kept in step without
// ever touching one the user made.
#include "platform/run_state_qt.h"

#include <QtCore>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace tikanda::test {
namespace {

class RunStateStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_tmp.isValid());
        qputenv("XDG_STATE_HOME", (m_tmp.path() + "/state").toUtf8());
        qputenv("XDG_CONFIG_HOME", (m_tmp.path() + "/config").toUtf8());
        QDir().mkpath(QtRunStateStore::stateDir());
    }
    void TearDown() override {
        qunsetenv("XDG_STATE_HOME");
        qunsetenv("XDG_CONFIG_HOME");
    }
    static void write(const QString& path, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    static QByteArray read(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static QString state(const char* id) {
        return QtRunStateStore::stateDir() + QStringLiteral("/run-") + id + QStringLiteral(".state");
    }
    QTemporaryDir m_tmp;
};

TEST_F(RunStateStoreTest, ALiveCopyKeepsItsRunAndAnEndedOnesIsTakenByTheNextStart) {
    auto first = std::make_unique<QtRunStateStore>("/opt/t ik/tikanda", QStringList{"nobar"});
    EXPECT_EQ(first->taken(), std::nullopt);
    first->save("mode=Za\n");
    const QByteArray entry = read(QtRunStateStore::autostartFile());
    EXPECT_TRUE(entry.contains("\nExec=\"/opt/t ik/tikanda\" \"nobar\"\n")) << entry.constData();

    QtRunStateStore second("/opt/tikanda", {});
    EXPECT_EQ(second.taken(), std::nullopt); // the first copy still holds its run
    second.save("mode=S\n");
    first.reset(); // its lock goes with it, as with a copy that ended

    QtRunStateStore third("/opt/tikanda", {});
    EXPECT_EQ(third.taken(), std::optional<std::string>("mode=Za\n"));
    third.remove();
    EXPECT_TRUE(QFileInfo::exists(QtRunStateStore::autostartFile())); // the second's is pending
    second.remove();
    EXPECT_FALSE(QFileInfo::exists(QtRunStateStore::autostartFile()));
}

TEST_F(RunStateStoreTest, FurtherRunsGoToCopiesStartedForThemAndAHandedRunIsTakenAlone) {
    // A stand-in for the program that notes the words it was started with.
    const QString program = m_tmp.path() + "/program";
    write(program, "#!/bin/sh\necho \"$@\" >>\"$0.started\"\n");
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    write(state("aa"), "a");
    write(state("bb"), "b");

    QtRunStateStore start(program, {"NOMENU"});
    const auto took = start.taken();
    ASSERT_TRUE(took);
    const QString other = *took == "a" ? "bb" : "aa";
    QDeadlineTimer deadline(20000);
    while (!QFileInfo::exists(program + ".started") && !deadline.hasExpired())
        QThread::msleep(20);
    EXPECT_EQ(read(program + ".started"), "NOMENU --run-id=" + other.toUtf8() + "\n");

    QtRunStateStore handed(program, {"--run-id=" + other});
    EXPECT_EQ(handed.taken(), std::optional<std::string>(*took == "a" ? "b" : "a"));
    QtRunStateStore gone(program, {"--run-id=cc"}); // no such run: starts plain
    EXPECT_EQ(gone.taken(), std::nullopt);
}

TEST_F(RunStateStoreTest, OnlyRegularFilesAreOpenedAndTheUsersAutostartFileIsLeftAlone) {
    ASSERT_EQ(mkfifo(qPrintable(state("dd")), 0600), 0);
    const QByteArray users = "[Desktop Entry]\nExec=tikanda\n";
    write(QtRunStateStore::autostartFile(), users);
    QtRunStateStore store("/opt/tikanda", {});
    EXPECT_EQ(store.taken(), std::nullopt); // a FIFO would have blocked the open
    store.save("mode=Za\n");
    EXPECT_EQ(read(QtRunStateStore::autostartFile()), users);
    store.remove();
    EXPECT_EQ(read(QtRunStateStore::autostartFile()), users);

    write(state("ee"), "version=9\n");
    QtRunStateStore next("/opt/tikanda", {});
    ASSERT_TRUE(next.taken());
    next.setAside(true);
    EXPECT_FALSE(QFileInfo::exists(state("ee")));
    EXPECT_EQ(read(state("ee") + ".damaged"), "version=9\n");
}

} // namespace
} // namespace tikanda::test
