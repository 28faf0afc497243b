#include "platform/PngImage.h"

#include <cmath>

#include <algorithm>
#include <array>
#include <cstdlib>

namespace kagiroi {

namespace {

uint32_t Crc32(const std::string& bytes) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char b : bytes)
        crc = table[(crc ^ b) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

uint32_t Adler32(const std::string& bytes) {
    uint32_t a = 1, b = 0;
    for (unsigned char c : bytes) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

void PutBigEndian(std::string& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((value >> shift) & 0xFF);
}

void PutChunk(std::string& png, const char* type, const std::string& data) {
    PutBigEndian(png, static_cast<uint32_t>(data.size()));
    std::string typed = type + data;
    png += typed;
    PutBigEndian(png, Crc32(typed));
}

// A zlib stream of stored (uncompressed) deflate blocks: the pictures are small.
std::string StoredZlib(const std::string& raw) {
    std::string out = "\x78\x01";
    size_t pos = 0;
    do {
        size_t length = std::min<size_t>(raw.size() - pos, 65535);
        bool last = pos + length == raw.size();
        out += static_cast<char>(last ? 1 : 0);
        out += static_cast<char>(length & 0xFF);
        out += static_cast<char>(length >> 8);
        out += static_cast<char>(~length & 0xFF);
        out += static_cast<char>((~length >> 8) & 0xFF);
        out.append(raw, pos, length);
        pos += length;
    } while (pos < raw.size());
    PutBigEndian(out, Adler32(raw));
    return out;
}

}  // namespace

PngImage::PngImage(int width, int height, Rgb background)
    : width_(std::max(width, 1)),
      height_(std::max(height, 1)),
      palette_{background},
      pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_), 0) {}

uint8_t PngImage::IndexOf(Rgb colour) {
    auto found = std::find(palette_.begin(), palette_.end(), colour);
    if (found != palette_.end()) return static_cast<uint8_t>(found - palette_.begin());
    // A picture of this kind holds a handful of colours; past 256 the last one stands in.
    if (palette_.size() == 256) return 255;
    palette_.push_back(colour);
    return static_cast<uint8_t>(palette_.size() - 1);
}

void PngImage::Plot(int x, int y, Rgb colour) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)] =
        IndexOf(colour);
}

Rgb PngImage::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return palette_.front();
    return palette_[pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) +
                            static_cast<size_t>(x)]];
}

void PngImage::DrawLine(int x0, int y0, int x1, int y1, Rgb colour, int thickness) {
    int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    int from = -(thickness - 1) / 2, to = thickness / 2;
    while (true) {
        for (int a = from; a <= to; ++a)
            for (int b = from; b <= to; ++b)
                Plot(x0 + a, y0 + b, colour);
        if (x0 == x1 && y0 == y1) break;
        int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

void PngImage::DrawRectangle(int left, int top, int right, int bottom, Rgb colour) {
    DrawLine(left, top, right, top, colour);
    DrawLine(right, top, right, bottom, colour);
    DrawLine(right, bottom, left, bottom, colour);
    DrawLine(left, bottom, left, top, colour);
}

std::string PngImage::Encode() const {
    std::string png = "\x89PNG\r\n\x1a\n";
    std::string header;
    PutBigEndian(header, static_cast<uint32_t>(width_));
    PutBigEndian(header, static_cast<uint32_t>(height_));
    header += std::string("\x08\x03\x00\x00\x00", 5);  // 8-bit palette indexes, no interlace
    PutChunk(png, "IHDR", header);
    std::string palette;
    for (const Rgb& c : palette_)
        palette += {static_cast<char>(c.r), static_cast<char>(c.g), static_cast<char>(c.b)};
    PutChunk(png, "PLTE", palette);
    std::string raw;
    raw.reserve(pixels_.size() + static_cast<size_t>(height_));
    for (int y = 0; y < height_; ++y) {
        raw += '\0';  // no filter
        auto row = pixels_.begin() + static_cast<std::ptrdiff_t>(y) * width_;
        raw.append(row, row + width_);
    }
    PutChunk(png, "IDAT", StoredZlib(raw));
    PutChunk(png, "IEND", "");
    return png;
}

int PlotArea::X(double x) const {
    return left + static_cast<int>(std::lround(x * (right - left)));
}

int PlotArea::Y(double y) const {
    return bottom - static_cast<int>(std::lround(y * (bottom - top)));
}

PlotArea DrawPlotFrame(PngImage& image, int margin, Rgb frame) {
    PlotArea area{margin, margin, image.Width() - 1 - margin, image.Height() - 1 - margin};
    image.DrawRectangle(area.left, area.top, area.right, area.bottom, frame);
    return area;
}

}  // namespace kagiroi
