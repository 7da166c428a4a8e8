#pragma once
// System colour indices resolved to real colours after the classic desktop scheme
// (silver dialogs, teal desktop, navy active caption), so that the display panel's
// factory colours look as they were designed.

#include "form/form_model.h"

#include <cstdint>

namespace tikanda::colours {

// Number of system colour indices in the table (0..kSystemColourCount-1).
constexpr int kSystemColourCount = 25;

// 0x00BBGGRR of a system colour index; indices outside the table give window-text black.
std::uint32_t systemColourRgb(int index);

// A stored colour as 0x00BBGGRR: system colours through the table, RGB values with any
// stray top byte cleared.
std::uint32_t resolve(form::Colour c);

inline constexpr std::uint32_t bgr(int r, int g, int b) {
    return std::uint32_t(r) | std::uint32_t(g) << 8 | std::uint32_t(b) << 16;
}
inline constexpr int red(std::uint32_t c) {
    return int(c & 0xFF);
}
inline constexpr int green(std::uint32_t c) {
    return int(c >> 8 & 0xFF);
}
inline constexpr int blue(std::uint32_t c) {
    return int(c >> 16 & 0xFF);
}

} // namespace tikanda::colours
