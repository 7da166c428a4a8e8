#pragma once
// Reading the number at the start of a field's text.

#include <string>

namespace tikanda {

// The leading number of `text`: spaces are skipped, reading stops at the first
// character that cannot continue a number (sign, digits, one decimal point, an
// exponent), and a text without a leading number reads as 0. "5x" gives 5, "x5" 0.
double leadingNumber(const std::string& text);

// `value` rounded to the nearest integer, an exact half to the even neighbour, and
// clamped into the 16-bit range so that no text can overflow.
int roundHalfEven16(double value);

} // namespace tikanda
