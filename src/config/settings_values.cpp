#include "config/settings_values.h"

#include "ui/colours/system_colours.h"

namespace tikanda::settingsvalues {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::optional<std::int32_t> parseInt32(std::string_view text) {
    std::size_t i = 0, end = text.size();
    while (i < end && isBlank(text[i]))
        ++i;
    while (end > i && isBlank(text[end - 1]))
        --end;
    bool negative = false;
    if (i < end && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    if (i == end) return std::nullopt;
    // The magnitude may reach 2^31 for a negative number; stop as soon as it passes it.
    constexpr std::int64_t limit = std::int64_t{1} << 31;
    std::int64_t value = 0;
    for (; i < end; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > limit) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > INT32_MAX || value < INT32_MIN) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::string encodeColour(form::Colour c) {
    return std::to_string(static_cast<std::int32_t>(c));
}

std::optional<form::Colour> decodeColour(std::string_view text) {
    const auto v = parseInt32(text);
    if (!v) return std::nullopt;
    const auto c = static_cast<form::Colour>(*v);
    if (c <= 0xFFFFFFu) return c;
    const form::Colour index = c & ~form::kSystemColourFlag;
    if ((c & form::kSystemColourFlag) && index < form::Colour(colours::kSystemColourCount))
        return c;
    return std::nullopt;
}

std::string encodeSwitch(bool on) {
    return on ? "1" : "0";
}

std::optional<int> decodeSwitch(std::string_view text) {
    auto v = parseInt32(text);
    if (v && (*v == 0 || *v == 1)) return *v;
    return std::nullopt;
}

} // namespace tikanda::settingsvalues
