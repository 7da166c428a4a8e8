// QtSound on a real sound server: run by tests/e2e/platform_e2e.sh, whose harness starts a
// PulseAudio daemon with a null sink and names it in TIKANDA_TEST_SINK. What reaches the
// sink is recorded from its monitor and analysed here. Skipped everywhere else.
#include "platform/platform_qt.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using tikanda::QtSound;
using Samples = std::vector<double>;

namespace {

constexpr int kRate = 22050;

// Amplitude of the component at freq (Goertzel) over the whole stretch; with freq 0, the
// RMS amplitude.
double level(const Samples& s, double freq = 0) {
    const double c = 2 * std::cos(2 * M_PI * freq / kRate);
    double s1 = 0, s2 = 0, sum = 0;
    for (double v : s) {
        std::tie(s1, s2) = std::pair(v + c * s1 - s2, s1);
        sum += v * v;
    }
    if (s.empty()) return 0;
    if (freq == 0) return std::sqrt(sum / double(s.size()));
    return 2 * std::sqrt(std::max(0.0, s1 * s1 + s2 * s2 - c * s1 * s2)) / double(s.size());
}
// The built-in chime's two notes (tools/make_chime.cpp).
double chime(const Samples& s) {
    return level(s, 1567.98) + level(s, 1318.51);
}

class SoundOnSink : public ::testing::Test {
protected:
    void SetUp() override {
        m_sink = qEnvironmentVariable("TIKANDA_TEST_SINK");
        if (m_sink.isEmpty()) GTEST_SKIP() << "needs the sound server of tests/e2e/harness.sh";
        ASSERT_TRUE(m_dir.isValid());
    }
    // A sine tone as a WAV file made by sox: 16-bit PCM, or 32-bit float when asFloat.
    std::string tone(const char* name, int freq, double seconds, bool asFloat = false) {
        const QString path = m_dir.filePath(QString::fromLatin1(name));
        const QString args =
            QStringLiteral("-n -r %1 %2 -t wavpcm \"%3\" synth %4 sine %5 vol 0.5")
                .arg(QString::number(kRate), asFloat ? "-b 32 -e floating-point" : "-b 16", path,
                     QString::number(seconds), QString::number(freq));
        EXPECT_EQ(QProcess::execute("sox", QProcess::splitCommand(args)), 0) << name;
        return path.toStdString();
    }
    // What the sink got while play ran and listenMs after, as mono samples.
    Samples hear(const std::function<void(QtSound&)>& play, int listenMs = 2000) {
        QtSound sound;
        QProcess parec;
        parec.start("parec", {"--device=" + m_sink + ".monitor", "--format=s16le", "--channels=1",
                              QString("--rate=%1").arg(kRate), "--latency-msec=20"});
        // Recording has begun once the first (silent) samples arrive.
        EXPECT_TRUE(parec.waitForStarted(10000) && parec.waitForReadyRead(10000));
        play(sound);
        QTest::qWait(listenMs);
        parec.terminate();
        parec.waitForFinished(5000);
        const QByteArray raw = parec.readAllStandardOutput();
        Samples s;
        for (qsizetype i = 0; i + 1 < raw.size(); i += 2)
            s.push_back(qFromLittleEndian<qint16>(raw.constData() + i) / 32768.0);
        return s;
    }
    QString m_sink;
    QTemporaryDir m_dir;
};

} // namespace

TEST_F(SoundOnSink, AGoodFileIsHeardABadOneGivesTheChimeAndNothingIsSilence) {
    const auto good = tone("good.wav", 440, 1.0);
    // A preloaded file plays itself; an undecodable or missing one gives the chime.
    for (const auto& file :
         {good, tone("float.wav", 440, 1.0, true), m_dir.filePath("no.wav").toStdString()}) {
        const bool own = file == good;
        const Samples rec = hear([&](QtSound& s) {
            if (own) s.preload(file);
            QTest::qWait(own ? 500 : 0);
            s.play(file);
        });
        EXPECT_GT(level(rec), 0.01) << file; // silence on a null sink is 0
        if (own)
            EXPECT_GT(level(rec, 440), 4 * chime(rec)) << "the file itself, not the chime";
        else
            EXPECT_GT(chime(rec), 4 * level(rec, 440)) << file;
    }
    const Samples none = hear([](QtSound&) {}, 1500);
    ASSERT_GT(none.size(), std::size_t(kRate / 2)) << "the recorder delivered samples";
    EXPECT_LT(level(none), 0.001);
}

TEST_F(SoundOnSink, ANewRequestReplacesTheSoundStillPlaying) {
    const auto longTone = tone("long.wav", 440, 5.0), shortTone = tone("short.wav", 880, 0.3);
    const Samples all = hear(
        [&](QtSound& s) {
            s.preload(shortTone);
            s.play(longTone);
            QTest::qWait(1000);
            s.play(shortTone);
        },
        2500);
    ASSERT_GT(all.size(), std::size_t(kRate * 2));
    // The last second lies well within the five-second tone had it gone on.
    EXPECT_GT(level(all, 440), 0.02) << "the long tone was heard at first";
    EXPECT_GT(level(all, 880), 0.005) << "then the short one";
    EXPECT_LT(level(Samples(all.end() - kRate, all.end())), 0.001) << "and the long one stopped";
}
