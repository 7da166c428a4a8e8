#include "platform/wave_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace tikanda::wavefile {
namespace {

std::string le(std::uint32_t v, int bytes) {
    std::string s;
    for (int i = 0; i < bytes; ++i)
        s += char(v >> 8 * i & 0xFF);
    return s;
}
// A chunk: its id, its length (the payload's unless given) and the payload, padded to even.
std::string chunk(const char* id, const std::string& payload, std::int64_t length = -1) {
    return id + le(std::uint32_t(length < 0 ? payload.size() : length), 4) + payload +
           std::string(payload.size() % 2, '\0');
}
std::string fmt(unsigned tag, unsigned channels, unsigned bits, unsigned rate = 22050) {
    const unsigned frame = channels * bits / 8;
    return chunk("fmt ", le(tag, 2) + le(channels, 2) + le(rate, 4) + le(rate * frame, 4) +
                             le(frame, 2) + le(bits, 2));
}
std::string riff(const std::string& body) {
    return "RIFF" + le(std::uint32_t(body.size() + 4), 4) + "WAVE" + body;
}
const std::string pcm16 = fmt(1, 1, 16), sound(2000, '\x11');

TEST(WaveFile, OnlyAWholeIntegerPcmSoundIsHandedToThePlayer) {
    struct Row {
        const char* what;
        std::string bytes;
        Verdict verdict;
        std::uint64_t size = 0; // the file's size when not that of the bytes
    };
    std::string manyChunks;
    for (int i = 0; i < 64; ++i)
        manyChunks += chunk("junk", "ab");
    const Row rows[] = {
        {"16-bit mono", riff(pcm16 + chunk("data", sound)), Verdict::Playable},
        // Chunks around the format and after the data are skipped.
        {"8-bit stereo amid other chunks",
         riff(chunk("LIST", "info") + fmt(1, 2, 8) + chunk("fact", "abcd") + chunk("data", "xyz") +
              chunk("LIST", "odd")),
         Verdict::Playable},
        // Read with or without its pad byte: the readings differ.
        {"an odd chunk before the data", riff(pcm16 + chunk("LIST", "odd") + chunk("data", sound)),
         Verdict::NotWave},
        {"an odd chunk unpadded",
         riff(chunk("LIST", "odd").substr(0, 11) + pcm16 + chunk("data", sound)), Verdict::NotWave},
        {"32-bit", riff(fmt(1, 2, 32) + chunk("data", sound)), Verdict::Playable},
        {"at the size limit", riff(pcm16 + chunk("data", sound)), Verdict::Playable, kMaxBytes},
        {"over the size limit", riff(pcm16 + chunk("data", sound)), Verdict::TooLarge,
         kMaxBytes + 1},
        {"empty", "", Verdict::NotWave},
        {"text", "Budíček! Time to get up, this is no sound at all.\n", Verdict::NotWave},
        {"big-endian RIFX", "RIFX" + riff(pcm16 + chunk("data", sound)).substr(4),
         Verdict::NotWave},
        {"another RIFF form", "RIFF" + le(4, 4) + "AVI " + pcm16, Verdict::NotWave},
        {"RIFF header only", riff(""), Verdict::NotWave},
        {"data before the format", riff(chunk("data", sound) + pcm16), Verdict::NotWave},
        {"a chunk reaching past the end", riff(chunk("junk", "", 4000) + pcm16), Verdict::NotWave},
        {"the sound behind 64 chunks", riff(manyChunks + pcm16 + chunk("data", sound)),
         Verdict::NotWave},
        {"float", riff(fmt(3, 1, 32) + chunk("data", sound)), Verdict::NotPcm},
        {"extensible", riff(fmt(0xFFFE, 1, 16) + chunk("data", sound)), Verdict::NotPcm},
        {"12-bit", riff(fmt(1, 1, 12) + chunk("data", sound)), Verdict::NotPcm},
        {"no channels", riff(fmt(1, 0, 16) + chunk("data", sound)), Verdict::NotPcm},
        {"rate 0", riff(fmt(1, 1, 16, 0) + chunk("data", sound)), Verdict::NotPcm},
        {"short format chunk", riff(chunk("fmt ", pcm16.substr(8, 14)) + chunk("data", sound)),
         Verdict::NotPcm},
        {"format cut short", riff(pcm16).substr(0, 30), Verdict::NotPcm},
        {"no data chunk", riff(pcm16 + chunk("LIST", "info")), Verdict::NoData},
        {"empty data", riff(pcm16 + chunk("data", "")), Verdict::NoData},
        {"data ending inside a sample", riff(pcm16 + chunk("data", "abc")), Verdict::NoData},
        {"data short of a frame", riff(fmt(1, 2, 16) + chunk("data", "ab")), Verdict::NoData},
        {"header only", riff(pcm16) + "data" + le(2000, 4), Verdict::CutShort},
        {"cut short", riff(pcm16 + chunk("data", sound)).substr(0, 1000), Verdict::CutShort},
        {"streamed (length unknown)", riff(pcm16 + chunk("data", sound, 0xFFFFFFFF)),
         Verdict::CutShort},
    };
    for (const Row& r : rows) {
        const auto read = [&r](std::uint64_t at, unsigned char* to, std::size_t n) {
            if (at >= r.bytes.size()) return std::size_t(0);
            n = std::min<std::size_t>(n, r.bytes.size() - at);
            std::memcpy(to, r.bytes.data() + at, n);
            return n;
        };
        EXPECT_EQ(check(r.size ? r.size : r.bytes.size(), read), r.verdict) << r.what;
    }
}

} // namespace
} // namespace tikanda::wavefile
