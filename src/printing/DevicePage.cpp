#include "printing/DevicePage.h"

#include <algorithm>
#include <cmath>

namespace kagiroi {

namespace {

int Nearest(double value) {
    return static_cast<int>(std::lround(value));
}

}  // namespace

int DevicePixels(int tenths, int dpi) {
    return Nearest(static_cast<double>(tenths) * dpi / 254.0);
}

int DevicePenPixels(int width, const DeviceResolution& device) {
    // A screen without a resolution would divide by zero: take the usual 96.
    int screen = device.screenDpi > 0 ? device.screenDpi : 96;
    return std::max(1, Nearest(static_cast<double>(width) * device.dpiY / (screen * 10.0)));
}

int DeviceFontPixels(int points, int dpiY) {
    return std::max(1, Nearest(static_cast<double>(points) * dpiY / 72.0));
}

std::vector<DeviceOp> RenderForDevice(const PagePicture& page, const DeviceResolution& device) {
    std::vector<DeviceOp> ops;
    ops.reserve(page.size());
    for (const PageOp& op : page) {
        DeviceOp d;
        d.kind = op.kind;
        d.x1 = DevicePixels(op.x1, device.dpiX);
        d.y1 = DevicePixels(op.y1, device.dpiY);
        d.x2 = DevicePixels(op.x2, device.dpiX);
        d.y2 = DevicePixels(op.y2, device.dpiY);
        d.text = op.text;
        d.font = op.font;
        d.fontPixels = DeviceFontPixels(op.font.size, device.dpiY);
        d.penPixels = DevicePenPixels(op.penWidth, device);
        d.fill = op.fill;
        ops.push_back(std::move(d));
    }
    return ops;
}

PixelSize DevicePaperPixels(PaperSize paper, const DeviceResolution& device) {
    return {DevicePixels(paper.width, device.dpiX), DevicePixels(paper.height, device.dpiY)};
}

}  // namespace kagiroi
