#pragma once

#include "app/MainFormViews.h"

#include <vector>

namespace kagiroi {

// A screen's free area (without task bars), in the desktop's coordinates.
struct ScreenArea {
    int left = 0, top = 0, width = 0, height = 0;
};

// A stored placement brought onto a screen: the screen it overlaps most (the first one when it
// overlaps none, as after a monitor was unplugged), no larger than that screen's area and
// moved until it lies wholly on it. Without screens the placement stays as it is.
WindowPlacement FitOnScreens(WindowPlacement placement, const std::vector<ScreenArea>& screens);

}  // namespace kagiroi
