#include "ui/colours/system_colours.h"

#include <array>

namespace tikanda::colours {

namespace {

constexpr std::uint32_t kSilver = bgr(0xC0, 0xC0, 0xC0);
constexpr std::uint32_t kGrey = bgr(0x80, 0x80, 0x80);
constexpr std::uint32_t kWhite = bgr(0xFF, 0xFF, 0xFF);
constexpr std::uint32_t kBlack = bgr(0, 0, 0);
constexpr std::uint32_t kNavy = bgr(0, 0, 0x80);
constexpr std::uint32_t kTeal = bgr(0, 0x80, 0x80);

constexpr std::array<std::uint32_t, kSystemColourCount> kScheme = {
    kSilver,               // 0 scroll bar
    kTeal,                 // 1 desktop
    kNavy,                 // 2 active caption
    kGrey,                 // 3 inactive caption
    kSilver,               // 4 menu
    kWhite,                // 5 window
    kBlack,                // 6 window frame
    kBlack,                // 7 menu text
    kBlack,                // 8 window text
    kWhite,                // 9 caption text
    kSilver,               // 10 active border
    kSilver,               // 11 inactive border
    kGrey,                 // 12 application workspace
    kNavy,                 // 13 highlight
    kWhite,                // 14 highlighted text
    kSilver,               // 15 button face
    kGrey,                 // 16 button shadow
    kGrey,                 // 17 grey (disabled) text
    kBlack,                // 18 button text
    kSilver,               // 19 inactive caption text
    kWhite,                // 20 button highlight
    kBlack,                // 21 3-D dark shadow
    kSilver,               // 22 3-D light
    kBlack,                // 23 tooltip text
    bgr(0xFF, 0xFF, 0xE1), // 24 tooltip background
};

} // namespace

std::uint32_t systemColourRgb(int index) {
    if (index < 0 || index >= kSystemColourCount) return kBlack;
    return kScheme[std::size_t(index)];
}

std::uint32_t resolve(form::Colour c) {
    if (c & form::kSystemColourFlag) {
        const std::uint32_t index = c & ~form::kSystemColourFlag;
        return index < std::uint32_t(kSystemColourCount) ? kScheme[index] : kBlack;
    }
    return c & 0x00FFFFFFu;
}

} // namespace tikanda::colours
