#include "entry/leading_number.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace tikanda {

namespace {

// Blanks are ignored wherever they stand inside the number, as the old number reader
// did ("1 2" reads 12).
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

double leadingNumber(const std::string& text) {
    // Collect the recognised number into a normalised text for the converter, which
    // reads '.' as the decimal point whatever the user's locale says.
    std::string mantissa;
    bool negative = false, anyDigit = false, point = false;
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto skipBlanks = [&] {
        while (i < n && isBlank(text[i]))
            ++i;
    };

    skipBlanks();
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    for (;; ++i) {
        skipBlanks();
        if (i >= n) break;
        if (isDigit(text[i])) {
            mantissa += text[i];
            anyDigit = true;
        } else if (text[i] == '.' && !point) {
            mantissa += '.';
            point = true;
        } else {
            break;
        }
    }
    if (!anyDigit) return 0;

    // An exponent: E or D, an optional sign and digits. Without digits it is not part
    // of the number ("1e" reads 1).
    long exponent = 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::size_t j = i + 1;
        while (j < n && isBlank(text[j]))
            ++j;
        bool expNegative = false;
        if (j < n && (text[j] == '+' || text[j] == '-')) {
            expNegative = text[j] == '-';
            ++j;
        }
        bool expDigit = false;
        for (;; ++j) {
            while (j < n && isBlank(text[j]))
                ++j;
            if (j >= n || !isDigit(text[j])) break;
            expDigit = true;
            if (exponent < 100000) exponent = exponent * 10 + (text[j] - '0');
        }
        if (expDigit && expNegative) exponent = -exponent;
        if (!expDigit) exponent = 0;
    }

    std::string normalised = "0" + mantissa + "e" + std::to_string(exponent);
    double value = 0;
    const auto [ptr, ec] =
        std::from_chars(normalised.data(), normalised.data() + normalised.size(), value);
    (void)ptr;
    if (ec == std::errc::result_out_of_range)
        value = exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    else if (ec != std::errc())
        value = 0;
    return negative ? -value : value;
}

int roundHalfEven16(double value) {
    constexpr double lo = std::numeric_limits<std::int16_t>::min();
    constexpr double hi = std::numeric_limits<std::int16_t>::max();
    if (std::isnan(value)) return 0;
    if (value <= lo) return int(lo);
    if (value >= hi) return int(hi);
    const double below = std::floor(value);
    const double fraction = value - below;
    double result = below;
    if (fraction > 0.5)
        result = below + 1;
    else if (fraction == 0.5)
        result = std::fmod(below, 2.0) == 0 ? below : below + 1;
    return int(result);
}

} // namespace tikanda
