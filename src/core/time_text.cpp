#include "core/time_text.h"

#include <cstdio>

namespace tikanda::timetext {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads a run of digits starting at `pos` into `value`; at least minDigits and at most
// maxDigits digits. Advances `pos` past them.
bool readDigits(const std::string& text, std::size_t& pos, std::size_t minDigits,
                std::size_t maxDigits, Seconds& value) {
    const std::size_t start = pos;
    value = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        if (pos - start == maxDigits) return false;
        value = value * 10 + (text[pos] - '0');
        ++pos;
    }
    return pos - start >= minDigits;
}

// "h:m:s" with the hours limited to maxHourDigits digits and to maxHours.
std::optional<Seconds> parse(const std::string& text, std::size_t maxHourDigits, Seconds maxHours) {
    std::size_t pos = 0;
    Seconds h = 0, m = 0, s = 0;
    if (!readDigits(text, pos, 1, maxHourDigits, h)) return std::nullopt;
    if (pos >= text.size() || text[pos++] != ':') return std::nullopt;
    if (!readDigits(text, pos, 1, 2, m)) return std::nullopt;
    if (pos >= text.size() || text[pos++] != ':') return std::nullopt;
    if (!readDigits(text, pos, 1, 2, s)) return std::nullopt;
    if (pos != text.size()) return std::nullopt;
    if (h > maxHours || m > 59 || s > 59) return std::nullopt;
    return h * 3600 + m * 60 + s;
}

} // namespace

std::string format(Seconds value) {
    // Unsigned magnitude so that even the most negative value has an absolute value.
    const std::uint64_t v =
        value < 0 ? std::uint64_t(0) - std::uint64_t(value) : std::uint64_t(value);
    char buf[40];
    std::snprintf(buf, sizeof buf, "%llu:%02u:%02u", static_cast<unsigned long long>(v / 3600),
                  unsigned(v / 60 % 60), unsigned(v % 60));
    return buf;
}

std::optional<Seconds> parseTimeOfDay(const std::string& text) {
    return parse(text, 2, 23);
}

std::optional<Seconds> parseRunValue(const std::string& text) {
    // Fifteen hour digits keep every accepted value far inside the range of Seconds.
    return parse(text, 15, Seconds(999'999'999'999'999));
}

std::string formatClock(int secondOfDay) {
    const int v = ((secondOfDay % int(kDay)) + int(kDay)) % int(kDay);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", v / 3600, v / 60 % 60, v % 60);
    return buf;
}

std::string formatHourMinute(Seconds timeOfDay) {
    const Seconds v = ((timeOfDay % kDay) + kDay) % kDay;
    char buf[16];
    std::snprintf(buf, sizeof buf, "%d:%02d", int(v / 3600), int(v / 60 % 60));
    return buf;
}

} // namespace tikanda::timetext
