// The readers of stored numbers: colours and switches as the settings file holds them.
// What they accept must be what the program itself would write back.

#include "config/settings_values.h"
#include "check.h"

#include <cstdint>
#include <string>
#include <string_view>

using namespace tikanda;
namespace sv = tikanda::settingsvalues;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const auto n = sv::parseInt32(text);
    if (n) {
        FUZZ_CHECK(sv::parseInt32(std::to_string(*n)) == n);
        // Only blanks, a sign and digits were read.
        for (char c : text)
            FUZZ_CHECK(c == ' ' || c == '\t' || c == '+' || c == '-' || (c >= '0' && c <= '9'));
    }

    const auto colour = sv::decodeColour(text);
    // Only numbers, and of those only RGB values and known system colour indexes.
    if (colour) FUZZ_CHECK(n.has_value());
    if (colour) FUZZ_CHECK(sv::decodeColour(sv::encodeColour(*colour)) == colour);

    const auto sw = sv::decodeSwitch(text);
    if (sw) {
        FUZZ_CHECK(*sw == 0 || *sw == 1);
        FUZZ_CHECK(sv::encodeSwitch(*sw == 1) == std::to_string(*n));
    }
    return 0;
}
