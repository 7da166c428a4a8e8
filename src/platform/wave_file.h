#pragma once
// Whether a wave file can be handed to the sound player, judged from its chunk headers
// alone. Qt's decoder waits for ever on a file that ends before its data does (an empty
// file, one cut short), or that holds no data at all, and the alarm would stay silent; such
// a file plays the built-in sound instead. Kept free of Qt and of the file system so that
// the rule can be tested and fuzzed on bytes.

#include <cstddef>
#include <cstdint>
#include <functional>

namespace tikanda::wavefile {

// The largest file the alarm plays (some five minutes of CD-quality stereo); a larger one
// is neither read nor decoded into memory.
inline constexpr std::uint64_t kMaxBytes = 50ull * 1024 * 1024;

enum class Verdict {
    Playable,
    TooLarge, // over kMaxBytes
    NotWave,  // no RIFF/WAVE header, no format chunk before the data chunk, or an odd-sized
              // chunk before it
    NotPcm,   // the format chunk is short, or not 8- to 32-bit integer PCM
    NoData,   // no data chunk, or one without a whole frame or ending inside a sample
    CutShort, // the data chunk says it is longer than what the file holds
};

// Reads up to size bytes at offset into buffer; returns how many it read (fewer at the end).
using ReadAt =
    std::function<std::size_t(std::uint64_t offset, unsigned char* buffer, std::size_t size)>;

// Judges a file of fileSize bytes, reading only its headers (a few reads of at most 16
// bytes each): "RIFF", a size, "WAVE", then chunks of even size up to the data chunk; the
// format chunk comes before the data chunk.
Verdict check(std::uint64_t fileSize, const ReadAt& read);

} // namespace tikanda::wavefile
