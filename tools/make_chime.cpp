// Synthesises the program's two sounds as 16-bit PCM mono WAV files at 22050 Hz:
//   make_chime OUT chime   the short built-in fallback chime (about 0.6 s)
//   make_chime OUT alarm   the factory alarm sound CILILINK.WAV (about 1.5 s; the default)
// Each note is a struck bell: a few partials, the higher ones slightly inharmonic, each
// decaying exponentially, the higher ones faster.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

struct Note {
    double start;     // seconds
    double frequency; // Hz
    double decay;     // seconds for the fundamental to fall to 1/e
    double gain;
};

std::vector<double> render(const std::vector<Note>& notes, double length) {
    std::vector<double> out(std::size_t(length * kRate), 0.0);
    struct Partial {
        double ratio, amplitude, decayScale;
    };
    const Partial partials[] = {{1.0, 1.0, 1.0},
                                {2.0, 0.45, 0.6},
                                {3.01, 0.22, 0.4},
                                {4.16, 0.12, 0.25},
                                {5.43, 0.06, 0.18}};
    for (const Note& n : notes) {
        const std::size_t first = std::size_t(n.start * kRate);
        for (std::size_t i = first; i < out.size(); ++i) {
            const double t = double(i - first) / kRate;
            const double attack = std::min(1.0, t / 0.004); // no click at the strike
            double v = 0.0;
            for (const Partial& p : partials) {
                if (n.frequency * p.ratio >= kRate / 2.0) continue;
                v += p.amplitude * std::exp(-t / (n.decay * p.decayScale)) *
                     std::sin(2.0 * kPi * n.frequency * p.ratio * t);
            }
            out[i] += n.gain * attack * v;
        }
    }
    // Fade the last 40 ms to silence, then scale the peak to 70 % of full scale.
    const std::size_t fade = std::size_t(0.04 * kRate);
    for (std::size_t i = 0; i < fade && i < out.size(); ++i)
        out[out.size() - 1 - i] *= double(i) / double(fade);
    double peak = 0.0;
    for (double v : out)
        peak = std::max(peak, std::fabs(v));
    if (peak > 0.0)
        for (double& v : out)
            v *= 0.7 / peak;
    return out;
}

void put16(std::vector<unsigned char>& b, unsigned v) {
    b.push_back(v & 0xFF);
    b.push_back((v >> 8) & 0xFF);
}
void put32(std::vector<unsigned char>& b, std::uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}
void putTag(std::vector<unsigned char>& b, const char* tag) {
    b.insert(b.end(), tag, tag + 4);
}

std::vector<unsigned char> wave(const std::vector<double>& samples) {
    const std::uint32_t dataBytes = std::uint32_t(samples.size() * 2);
    std::vector<unsigned char> b;
    putTag(b, "RIFF");
    put32(b, 36 + dataBytes);
    putTag(b, "WAVE");
    putTag(b, "fmt ");
    put32(b, 16);
    put16(b, 1); // PCM
    put16(b, 1); // mono
    put32(b, kRate);
    put32(b, kRate * 2);
    put16(b, 2);
    put16(b, 16);
    putTag(b, "data");
    put32(b, dataBytes);
    for (double v : samples) {
        const long s = std::lround(std::clamp(v, -1.0, 1.0) * 32767.0);
        put16(b, unsigned(std::uint16_t(std::int16_t(s))));
    }
    return b;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: make_chime OUT [chime|alarm]\n");
        return 2;
    }
    const char* kind = argc == 3 ? argv[2] : "alarm";
    std::vector<double> samples;
    if (std::strcmp(kind, "chime") == 0) {
        // Ding-dong: G6 then E6.
        samples = render({{0.00, 1567.98, 0.16, 1.0}, {0.14, 1318.51, 0.20, 0.9}}, 0.6);
    } else if (std::strcmp(kind, "alarm") == 0) {
        // A rising C major arpeggio and the octave, rung out.
        samples = render({{0.00, 1046.50, 0.18, 0.9},
                          {0.16, 1318.51, 0.18, 0.85},
                          {0.32, 1567.98, 0.18, 0.8},
                          {0.48, 2093.00, 0.35, 0.9},
                          {0.48, 1046.50, 0.45, 0.4}},
                         1.5);
    } else {
        std::fprintf(stderr, "make_chime: unknown sound '%s'\n", kind);
        return 2;
    }
    const auto bytes = wave(samples);
    std::FILE* f = std::fopen(argv[1], "wb");
    if (!f) {
        std::perror(argv[1]);
        return 1;
    }
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return (std::fclose(f) == 0 && ok) ? 0 : 1;
}
