#pragma once

#include <cstdint>

namespace kagiroi {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

namespace colors {
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kSilver{192, 192, 192};
inline constexpr Rgb kGrey{128, 128, 128};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kLime{0, 255, 0};
inline constexpr Rgb kOrange{255, 128, 0};
inline constexpr Rgb kMagenta{255, 0, 255};
inline constexpr Rgb kAqua{0, 255, 255};
inline constexpr Rgb kGreen{0, 128, 0};
inline constexpr Rgb kMaroon{128, 0, 0};
// The desktop's tooltip background (clInfoBk) and light info text colour.
inline constexpr Rgb kInfoBackground{255, 255, 225};
inline constexpr Rgb kInfoText{255, 255, 225};
}  // namespace colors

}  // namespace kagiroi
