#include "racing/FrameColours.h"

#include <array>
#include <cstddef>

namespace kagiroi {

Rgb FrameColour(int frame) {
    static constexpr std::array<Rgb, 9> kFrames = {
        colors::kWhite,  colors::kWhite, colors::kGrey,   colors::kRed,    colors::kBlue,
        colors::kYellow, colors::kLime,  colors::kOrange, colors::kMagenta};
    return frame >= 1 && frame <= 8 ? kFrames[static_cast<size_t>(frame)] : colors::kWhite;
}

Rgb DigitColourOn(Rgb background) {
    for (Rgb dark : {colors::kGrey, colors::kRed, colors::kBlue, kPartnerHorseColour})
        if (background == dark) return colors::kWhite;
    return colors::kBlack;
}

}  // namespace kagiroi
