#include "app/WindowFit.h"

#include <algorithm>
#include <cstdint>

namespace kagiroi {

namespace {

int64_t Overlap(const WindowPlacement& p, const ScreenArea& s) {
    int64_t w = std::min<int64_t>(int64_t{p.left} + p.width, int64_t{s.left} + s.width) -
                std::max(p.left, s.left);
    int64_t h = std::min<int64_t>(int64_t{p.top} + p.height, int64_t{s.top} + s.height) -
                std::max(p.top, s.top);
    return w > 0 && h > 0 ? w * h : 0;
}

// The window's start and length along one axis, kept within the screen's.
void Fit(int& start, int& length, int screenStart, int screenLength) {
    length = std::clamp(length, 1, std::max(1, screenLength));
    start = std::clamp(start, screenStart, screenStart + screenLength - length);
}

}  // namespace

WindowPlacement FitOnScreens(WindowPlacement placement, const std::vector<ScreenArea>& screens) {
    if (screens.empty()) return placement;
    const ScreenArea* best = &screens.front();
    int64_t bestOverlap = 0;
    for (const ScreenArea& screen : screens) {
        int64_t overlap = Overlap(placement, screen);
        if (overlap > bestOverlap) {
            best = &screen;
            bestOverlap = overlap;
        }
    }
    Fit(placement.left, placement.width, best->left, best->width);
    Fit(placement.top, placement.height, best->top, best->height);
    return placement;
}

}  // namespace kagiroi
