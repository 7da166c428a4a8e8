// The wave file check on any bytes: it reads only headers inside the file, a bounded number
// of times, and what it hands to the player stays playable with anything appended.

#include "platform/wave_file.h"
#include "check.h"

#include <cstdint>
#include <cstring>

using namespace tikanda;

namespace {

wavefile::Verdict judge(const std::uint8_t* data, std::size_t size, std::size_t fileSize) {
    int reads = 0;
    const auto read = [&](std::uint64_t at, unsigned char* to, std::size_t n) -> std::size_t {
        FUZZ_CHECK(++reads <= 2 * 64 + 2);
        FUZZ_CHECK(n > 0 && n <= 16 && at + n <= fileSize);
        if (at >= size) return 0;
        n = n < size - at ? n : size - at;
        std::memcpy(to, data + at, n);
        return n;
    };
    return wavefile::check(fileSize, read);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const wavefile::Verdict v = judge(data, size, size);
    if (v == wavefile::Verdict::Playable) {
        FUZZ_CHECK(size >= 45 && !std::memcmp(data, "RIFF", 4) &&
                   !std::memcmp(data + 8, "WAVE", 4));
        // A tail behind the sound (a chunk of tags, say) changes nothing.
        FUZZ_CHECK(judge(data, size, size + 1000) == v);
    }
    FUZZ_CHECK(judge(data, size, wavefile::kMaxBytes + 1) == wavefile::Verdict::TooLarge);
    return 0;
}
