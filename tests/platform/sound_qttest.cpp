// QtSound on a real sound server: run by tests/e2e/platform_e2e.sh, whose harness starts a
// PulseAudio daemon with a null sink and names it in TIKANDA_TEST_SINK. What reaches the
// sink is recorded from its monitor and analysed here. Skipped everywhere else.
#include "platform/platform_qt.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

using tikanda::QtSound;

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;
// The built-in chime's two notes (tools/make_chime.cpp).
constexpr double kChimeHigh = 1567.98, kChimeLow = 1318.51;

void putLe(QByteArray& b, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        b.append(char((v >> (8 * i)) & 0xFF));
}

// A sine tone as a WAV file: 16-bit integer PCM, or 32-bit float when asFloat.
QString writeTone(const QString& path, double freq, double seconds, bool asFloat) {
    const int n = int(seconds * kRate);
    const int width = asFloat ? 4 : 2;
    QByteArray data;
    for (int i = 0; i < n; ++i) {
        const double v = 0.5 * std::sin(2 * kPi * freq * i / kRate);
        if (asFloat) {
            float f = float(v);
            std::uint32_t bits;
            std::memcpy(&bits, &f, 4);
            putLe(data, bits, 4);
        } else {
            putLe(data, std::uint16_t(std::int16_t(std::lround(v * 32767))), 2);
        }
    }
    QByteArray fmt;
    putLe(fmt, asFloat ? 3 : 1, 2); // 3 = IEEE float
    putLe(fmt, 1, 2);
    putLe(fmt, kRate, 4);
    putLe(fmt, kRate * width, 4);
    putLe(fmt, width, 2);
    putLe(fmt, width * 8, 2);
    QByteArray body = "WAVEfmt ";
    putLe(body, fmt.size(), 4);
    body += fmt;
    if (asFloat) {
        body += "fact";
        putLe(body, 4, 4);
        putLe(body, n, 4);
    }
    body += "data";
    putLe(body, data.size(), 4);
    body += data;
    QByteArray file = "RIFF";
    putLe(file, body.size(), 4);
    file += body;
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(file);
    return path;
}

// Records the sink's monitor as 16-bit mono samples while it lives.
class Recorder {
public:
    explicit Recorder(const QString& sink) {
        m_parec.start(QStringLiteral("parec"),
                      {QStringLiteral("--device=") + sink + QStringLiteral(".monitor"),
                       QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
                       QStringLiteral("--rate=%1").arg(kRate),
                       QStringLiteral("--latency-msec=20")});
        // Recording has begun once the first (silent) samples arrive.
        m_started = m_parec.waitForStarted(10000) && m_parec.waitForReadyRead(10000);
    }
    bool started() const { return m_started; }
    std::vector<double> stop() {
        QTest::qWait(0);
        QByteArray raw = m_parec.readAllStandardOutput();
        m_parec.terminate();
        m_parec.waitForFinished(5000);
        raw += m_parec.readAllStandardOutput();
        std::vector<double> s(std::size_t(raw.size() / 2));
        for (std::size_t i = 0; i < s.size(); ++i)
            s[i] = std::int16_t(std::uint8_t(raw[int(2 * i)]) | std::uint8_t(raw[int(2 * i + 1)])
                                                                    << 8) /
                   32768.0;
        return s;
    }

private:
    QProcess m_parec;
    bool m_started = false;
};

double rms(const std::vector<double>& s) {
    double sum = 0;
    for (double v : s)
        sum += v * v;
    return s.empty() ? 0 : std::sqrt(sum / double(s.size()));
}

// Amplitude of the component at freq (Goertzel), averaged over the whole stretch.
double level(const std::vector<double>& s, double freq) {
    const double w = 2 * kPi * freq / kRate, c = 2 * std::cos(w);
    double s1 = 0, s2 = 0;
    for (double v : s) {
        const double s0 = v + c * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    const double power = s1 * s1 + s2 * s2 - c * s1 * s2;
    return s.empty() ? 0 : 2 * std::sqrt(std::max(0.0, power)) / double(s.size());
}

double chimeLevel(const std::vector<double>& s) {
    return level(s, kChimeHigh) + level(s, kChimeLow);
}

class SoundOnSink : public ::testing::Test {
protected:
    void SetUp() override {
        m_sink = qEnvironmentVariable("TIKANDA_TEST_SINK");
        if (m_sink.isEmpty()) GTEST_SKIP() << "needs the sound server of tests/e2e/harness.sh";
        ASSERT_TRUE(m_dir.isValid());
    }
    // Plays path (after a preload when asked) and records what the sink got meanwhile.
    std::vector<double> recordPlaying(const QString& path, int listenMs, bool preload = false) {
        QtSound sound;
        if (preload) {
            sound.preload(path.toStdString());
            QTest::qWait(500);
        }
        Recorder rec(m_sink);
        EXPECT_TRUE(rec.started());
        if (!path.isNull()) sound.play(path.toStdString());
        QTest::qWait(listenMs);
        return rec.stop();
    }
    QString m_sink;
    QTemporaryDir m_dir;
};

constexpr double kAudible = 0.01; // RMS; silence on a null sink is 0

} // namespace

TEST_F(SoundOnSink, AGoodFileIsHeard) {
    const auto tone = writeTone(m_dir.filePath(QStringLiteral("good.wav")), 440, 1.0, false);
    const auto rec = recordPlaying(tone, 2000, /*preload*/ true);
    EXPECT_GT(rms(rec), kAudible);
    EXPECT_GT(level(rec, 440), 4 * chimeLevel(rec)) << "the file itself, not the chime";
}

TEST_F(SoundOnSink, AnUndecodableOrMissingFilePlaysTheChime) {
    const auto bad = writeTone(m_dir.filePath(QStringLiteral("float.wav")), 440, 1.0, true);
    for (const QString& path : {bad, m_dir.filePath(QStringLiteral("missing.wav"))}) {
        const auto rec = recordPlaying(path, 2000);
        EXPECT_GT(rms(rec), kAudible) << path.toStdString();
        EXPECT_GT(chimeLevel(rec), 4 * level(rec, 440)) << path.toStdString();
    }
}

TEST_F(SoundOnSink, NothingRequestedIsSilence) {
    const auto rec = recordPlaying(QString(), 1500);
    ASSERT_GT(rec.size(), std::size_t(kRate / 2)) << "the recorder delivered samples";
    EXPECT_LT(rms(rec), 0.001);
}

TEST_F(SoundOnSink, ANewRequestReplacesTheSoundStillPlaying) {
    const auto longTone = writeTone(m_dir.filePath(QStringLiteral("long.wav")), 440, 5.0, false);
    const auto shortTone = writeTone(m_dir.filePath(QStringLiteral("short.wav")), 880, 0.3, false);
    QtSound sound;
    sound.preload(shortTone.toStdString());
    Recorder rec(m_sink);
    ASSERT_TRUE(rec.started());
    sound.play(longTone.toStdString());
    QTest::qWait(1000);
    sound.play(shortTone.toStdString());
    QTest::qWait(2500);
    const auto all = rec.stop();
    ASSERT_GT(all.size(), std::size_t(kRate * 2));
    // The last second lies well within the five-second tone had it gone on.
    const std::vector<double> tail(all.end() - kRate, all.end());
    EXPECT_GT(level(all, 440), 0.02) << "the long tone was heard at first";
    EXPECT_GT(level(all, 880), 0.005) << "then the short one";
    EXPECT_LT(rms(tail), 0.001) << "and the long one stopped";
}
