#include "platform/wave_file.h"

#include <algorithm>
#include <cstring>

namespace tikanda::wavefile {

namespace {

// A file whose sound lies behind more chunks than this is not one a program wrote.
constexpr int kMaxChunks = 64;

std::uint32_t le32(const unsigned char* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}
std::uint16_t le16(const unsigned char* p) {
    return std::uint16_t(p[0] | p[1] << 8);
}

struct Format {
    unsigned channels = 0, bytesPerSample = 0;
};

Verdict readFormat(const unsigned char* f, std::size_t size, Format& out) {
    if (size < 16) return Verdict::NotPcm;
    const unsigned tag = le16(f), channels = le16(f + 2), bits = le16(f + 14);
    const std::uint32_t rate = le32(f + 4);
    // Integer PCM only: the decoder refuses float and the extensible format.
    if (tag != 1 || channels == 0 || rate == 0) return Verdict::NotPcm;
    if (bits != 8 && bits != 16 && bits != 24 && bits != 32) return Verdict::NotPcm;
    out = {channels, bits / 8};
    return Verdict::Playable;
}

} // namespace

Verdict check(std::uint64_t fileSize, const ReadAt& read) {
    if (fileSize > kMaxBytes) return Verdict::TooLarge;
    unsigned char head[12];
    if (fileSize < 12 || read(0, head, 12) != 12 || std::memcmp(head, "RIFF", 4) ||
        std::memcmp(head + 8, "WAVE", 4))
        return Verdict::NotWave;

    bool haveFormat = false;
    Format format;
    std::uint64_t at = 12;
    for (int n = 0; n < kMaxChunks; ++n) {
        unsigned char chunk[8];
        if (fileSize - at < 8 || read(at, chunk, 8) != 8)
            return haveFormat ? Verdict::NoData : Verdict::NotWave;
        const std::uint64_t size = le32(chunk + 4), body = at + 8;
        if (!std::memcmp(chunk, "fmt ", 4)) {
            unsigned char f[16];
            const std::uint64_t want = std::min<std::uint64_t>({size, 16, fileSize - body});
            const std::size_t got = want ? read(body, f, std::size_t(want)) : 0;
            if (const Verdict v = readFormat(f, got, format); v != Verdict::Playable) return v;
            haveFormat = true;
        } else if (!std::memcmp(chunk, "data", 4)) {
            if (!haveFormat) return Verdict::NotWave;
            if (size > fileSize - body) return Verdict::CutShort;
            if (size < std::uint64_t(format.channels) * format.bytesPerSample ||
                size % format.bytesPerSample)
                return Verdict::NoData;
            return Verdict::Playable;
        }
        // Before the data, an odd chunk could be read with its pad byte or without (Qt 6.4's
        // decoder reads it without): only a file that both readings agree on is taken.
        if (size & 1) return Verdict::NotWave;
        at = body + size;
        if (at > fileSize) return haveFormat ? Verdict::NoData : Verdict::NotWave;
    }
    return Verdict::NotWave;
}

} // namespace tikanda::wavefile
