#pragma once
// Text encodings of the numeric settings: colours as the signed decimal text of their
// 32-bit value, switches as "1"/"0". Reading accepts only what the program itself would
// have written (give or take blanks and a sign); anything else is rejected so that the
// caller can fall back to another value.

#include "form/form_model.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tikanda::settingsvalues {

// A decimal integer within the 32-bit signed range: optional blanks, an optional sign,
// at least one digit, optional blanks. Any length of input is scanned once.
std::optional<std::int32_t> parseInt32(std::string_view text);

// A colour as stored: RGB 0x00BBGGRR as its positive value, a system colour n (top bit
// set) as n - 2147483648. Other numbers (-1, an index beyond the system colours, a stray
// top byte) are no colour.
std::string encodeColour(form::Colour c);
std::optional<form::Colour> decodeColour(std::string_view text);

// A switch: "1" on, "0" off. Other numbers are no switch state.
std::string encodeSwitch(bool on);
std::optional<int> decodeSwitch(std::string_view text);

} // namespace tikanda::settingsvalues
