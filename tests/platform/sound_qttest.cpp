// QtSound on a real sound server: run only by tests/e2e/platform_e2e.sh (hence E2e in the
// name; the Qt label leaves it out), whose harness starts a PulseAudio daemon with a null
// sink and names it in TIKANDA_TEST_SINK. What reaches the sink is recorded from its monitor
// and analysed here. Skipped when run elsewhere by hand.
#include "platform/platform_qt.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>

using tikanda::QtSound;
using Samples = std::vector<double>;

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
    // What the sink got from playing file and two seconds after, as mono samples. A file
    // preloaded a moment before plays itself.
    Samples hear(const std::string& file, bool preload) {
        QtSound sound;
        QProcess parec;
        parec.start("parec", {"--device=" + m_sink + ".monitor", "--format=float32ne", "--channels=1",
                              QString("--rate=%1").arg(kRate), "--latency-msec=20"});
        // Recording has begun once the first (silent) samples arrive.
        EXPECT_TRUE(parec.waitForStarted(10000) && parec.waitForReadyRead(10000));
        if (preload) sound.preload(file);
        QTest::qWait(preload ? 500 : 0);
        sound.play(file);
        QTest::qWait(2000);
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

TEST_F(E2eSoundOnSink, AGoodFileIsHeardABadOrMissingOneGivesTheChime) {
    const auto good = tone("good.wav", false);
    for (const auto& file :
         {good, tone("float.wav", true), m_dir.filePath("no.wav").toStdString()}) {
        const bool own = file == good;
        const Samples rec = hear(file, own);
        // The chime's two notes (tools/make_chime.cpp) or the file's tone; silence is 0.
        const double file440 = level(rec, 440), chime = level(rec, 1567.98) + level(rec, 1318.51);
        if (own)
            EXPECT_GT(file440, 4 * chime) << "the file itself, not the chime";
        else
            EXPECT_GT(chime, 4 * file440) << file;
    }
}
