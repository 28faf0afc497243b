#pragma once

#include "printing/TPrevX.h"

#include <string>
#include <vector>

namespace kagiroi {

// The pixels per inch of the device a page is drawn on, and of the screen the pen widths
// were chosen on.
struct DeviceResolution {
    int dpiX = 600, dpiY = 600;
    int screenDpi = 96;
};

// Tenths of a millimetre to device pixels: value × dpi ÷ 254, to the nearest pixel.
int DevicePixels(int tenths, int dpi);
// A pen width to device pixels: width × dpiY ÷ (screenDpi × 10), to the nearest pixel, at
// least 1.
int DevicePenPixels(int width, const DeviceResolution& device);
// A font size in points to device pixels, to the nearest pixel, at least 1.
int DeviceFontPixels(int points, int dpiY);

// A page operation in device pixels, ready for a painter.
struct DeviceOp {
    DrawKind kind = DrawKind::Text;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::string text;  // Shift_JIS
    PageFont font;
    int fontPixels = 0;
    int penPixels = 1;
    Rgb fill = colors::kWhite;
};

std::vector<DeviceOp> RenderForDevice(const PagePicture& page, const DeviceResolution& device);

struct PixelSize {
    int width = 0, height = 0;
    friend bool operator==(const PixelSize&, const PixelSize&) = default;
};
PixelSize DevicePaperPixels(PaperSize paper, const DeviceResolution& device);

}  // namespace kagiroi
