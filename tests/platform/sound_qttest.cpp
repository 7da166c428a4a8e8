// QtSound: which files it hands to the player (any platform), and on a real sound server
// what is heard: the E2eSoundOnSink tests (left out of the Qt label) run by tests/e2e/platform_e2e.sh, whose harness
// starts a PulseAudio daemon with a null sink and names it in TIKANDA_TEST_SINK. What
// reaches the sink is recorded from its monitor and analysed here. Skipped everywhere else.
#include "platform/platform_qt.h"
#include "platform/wave_file.h"

#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <sys/stat.h>

using tikanda::QtSound;
using tikanda::Sound;
using Samples = std::vector<double>;

namespace {

// The player's side of QtSound: what it was handed, "play:" alone for the chime.
struct HandedTo : Sound {
    std::vector<std::string>& log;
    explicit HandedTo(std::vector<std::string>& l) : log(l) {}
    void play(const std::string& p) override { log.push_back("play:" + p); }
    void preload(const std::string& p) override { log.push_back("preload:" + p); }
    void release() override { log.push_back("release"); }
};

void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// A wave file of 16-bit mono silence, `samples` long.
QByteArray wave(int samples) {
    const auto le = [](quint32 v, int n) {
        QByteArray b;
        for (int i = 0; i < n; ++i)
            b += char(v >> 8 * i);
        return b;
    };
    const quint32 data = quint32(samples) * 2;
    return "RIFF" + le(36 + data, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(1, 2) + le(22050, 4) +
           le(44100, 4) + le(2, 2) + le(16, 2) + "data" + le(data, 4) + QByteArray(int(data), '\0');
}

} // namespace

TEST(QtSoundFiles, OnlyAFileJudgedPlayableReachesThePlayerAndIsJudgedAgainWhenItChanges) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto at = [&dir](const char* name) { return dir.filePath(QString::fromLatin1(name)); };
    write(at("good.wav"), wave(4000));
    write(at("empty.wav"), {});
    write(at("cut.wav"), wave(4000).left(3000));
    write(at("text.wav"), "Budíček!\n");
    write(at("png.wav"), QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(100, '\0'));
    write(at("long.wav"), wave(4000));
    QFile(at("long.wav")).resize(qint64(tikanda::wavefile::kMaxBytes) + 1); // sparse
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.wav"));
    ASSERT_EQ(mkfifo(at("fifo.wav").toLocal8Bit().constData(), 0600), 0); // never opened
    std::vector<std::string> log;
    QtSound sound([&log] { return std::make_unique<HandedTo>(log); });

    // Preloaded as a run starts, then the alarm and a repetition: each gives the chime.
    for (const char* name : {"empty.wav", "cut.wav", "text.wav", "png.wav", "long.wav",
                             "folder.wav", "fifo.wav", "missing.wav"}) {
        const std::string file = at(name).toStdString();
        log.clear();
        sound.preload(file);
        sound.play(file);
        sound.play(file);
        EXPECT_EQ(log, (std::vector<std::string>{"play:", "play:"})) << name;
    }
    // A good file, cut short after the preload and made whole again: judged each time.
    const std::string good = at("good.wav").toStdString();
    log.clear();
    sound.preload(good);
    sound.play(good);
    write(at("good.wav"), wave(4000).left(1000));
    sound.play(good);
    write(at("good.wav"), wave(3000));
    sound.play(good);
    sound.release();
    EXPECT_EQ(log, (std::vector<std::string>{"preload:" + good, "play:" + good,
                                             "play:", "play:" + good, "release"}));
}

namespace {

constexpr int kRate = 22050;

// Amplitude of the component at freq over the whole recording (Goertzel).
double level(const Samples& s, double freq) {
    const double c = 2 * std::cos(2 * M_PI * freq / kRate);
    double s1 = 0, s2 = 0;
    for (double v : s)
        std::tie(s1, s2) = std::pair(v + c * s1 - s2, s1);
    return 2 * std::sqrt(std::max(0.0, s1 * s1 + s2 * s2 - c * s1 * s2)) / double(s.size());
}

class E2eSoundOnSink : public ::testing::Test {
protected:
    void SetUp() override {
        m_sink = qEnvironmentVariable("TIKANDA_TEST_SINK");
        if (m_sink.isEmpty()) GTEST_SKIP() << "needs the sound server of tests/e2e/harness.sh";
        ASSERT_TRUE(m_dir.isValid());
    }
    // A one-second 440 Hz WAV file made by sox: 16-bit PCM, or 32-bit float (undecodable).
    std::string tone(const char* name, bool asFloat) {
        const QString path = m_dir.filePath(QString::fromLatin1(name));
        const QString args = QStringLiteral("-n -r %1 %2 -t wavpcm \"%3\" synth 1 sine 440 vol 0.5")
                                 .arg(QString::number(kRate),
                                      asFloat ? "-b 32 -e floating-point" : "-b 16", path);
        EXPECT_EQ(QProcess::execute("sox", QProcess::splitCommand(args)), 0) << name;
        return path.toStdString();
    }
    // What the sink got from playing file and `ms` after, as mono samples. A file
    // preloaded a moment before plays itself.
    Samples hear(Sound& sound, const std::string& file, bool preload, int ms = 2000) {
        QProcess parec;
        parec.start("parec", {"--device=" + m_sink + ".monitor", "--format=float32ne", "--channels=1",
                              QString("--rate=%1").arg(kRate), "--latency-msec=20"});
        // Recording has begun once the first (silent) samples arrive.
        EXPECT_TRUE(parec.waitForStarted(10000) && parec.waitForReadyRead(10000));
        if (preload) sound.preload(file);
        QTest::qWait(preload ? 500 : 0);
        sound.play(file);
        QTest::qWait(ms);
        parec.terminate();
        parec.waitForFinished(5000);
        const QByteArray raw = parec.readAllStandardOutput();
        const auto* samples = reinterpret_cast<const float*>(raw.constData());
        return Samples(samples, samples + raw.size() / sizeof(float));
    }
    QString m_sink;
    QTemporaryDir m_dir;
};

} // namespace

// The chime's two notes (tools/make_chime.cpp) against the file's tone; silence is 0.
double chimeLevel(const Samples& rec) {
    return level(rec, 1567.98) + level(rec, 1318.51);
}

TEST_F(E2eSoundOnSink, AGoodFileIsHeardABadOrMissingOneGivesTheChime) {
    const auto good = tone("good.wav", false);
    for (const auto& file :
         {good, tone("float.wav", true), m_dir.filePath("no.wav").toStdString()}) {
        const bool own = file == good;
        QtSound sound;
        const Samples rec = hear(sound, file, own);
        const double file440 = level(rec, 440), chime = chimeLevel(rec);
        if (own)
            EXPECT_GT(file440, 4 * chime) << "the file itself, not the chime";
        else
            EXPECT_GT(chime, 4 * file440) << file;
    }
}

// The player itself, handed a file whose loading never ends (an empty one, which QtSound
// would not hand over): the chime comes once the load has had its time, and neither a
// release nor the player's end waits for that load. (Qt's loading stays stuck for the
// rest of the process, so this runs last.)
TEST_F(E2eSoundOnSink, APlayerWaitingForAFileThatNeverLoadsGivesTheChime) {
    QLibrary module(qEnvironmentVariable("TIKANDA_SOUND_MODULE"));
    const auto make = reinterpret_cast<Sound* (*)()>(module.resolve("tikanda_make_sound"));
    ASSERT_NE(make, nullptr) << module.errorString().toStdString();
    std::unique_ptr<Sound> player(make());
    const QString empty = m_dir.filePath("empty.wav");
    write(empty, {});
    const Samples rec = hear(*player, empty.toStdString(), false, 4000);
    EXPECT_GT(chimeLevel(rec), 0.005);
    player->release();
    QTest::qWait(100);
    player.reset();
}
