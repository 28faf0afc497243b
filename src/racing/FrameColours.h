#pragma once

#include "platform/Color.h"

namespace kagiroi {

// The background of frame (枠) 1..8 on the race card; white for anything else.
Rgb FrameColour(int frame);

// The horse-number cell of a horse marked as a partner.
inline constexpr Rgb kPartnerHorseColour{0, 128, 255};

// The colour of digits on a race-card background: white on the dark ones (frames 2 to 4, the
// red and blue cells of marked horses), black elsewhere.
Rgb DigitColourOn(Rgb background);

}  // namespace kagiroi
