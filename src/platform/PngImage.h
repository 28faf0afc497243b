#pragma once

#include "platform/Color.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kagiroi {

// A picture of a few colours drawn pixel by pixel, saved as PNG without any library: what the
// programs without a window draw (a chart of kagiroi-cli).
class PngImage {
  public:
    // Filled with `background`, the palette's first colour.
    PngImage(int width, int height, Rgb background);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Points outside the picture are left out, so a caller may draw past its edges.
    void Plot(int x, int y, Rgb colour);
    // A straight line `thickness` pixels wide, both ends included.
    void DrawLine(int x0, int y0, int x1, int y1, Rgb colour, int thickness = 1);
    void DrawRectangle(int left, int top, int right, int bottom, Rgb colour);
    Rgb At(int x, int y) const;

    // The PNG file: an indexed-colour picture, its data in stored deflate blocks.
    std::string Encode() const;

  private:
    uint8_t IndexOf(Rgb colour);

    int width_, height_;
    std::vector<Rgb> palette_;
    std::vector<uint8_t> pixels_;  // palette indexes, row by row
};

// The inside of a framed chart: a unit square's x (0 left .. 1 right) and y (0 bottom .. 1 top)
// as pixels.
struct PlotArea {
    int left = 0, top = 0, right = 0, bottom = 0;
    int X(double x) const;
    int Y(double y) const;
};
// Draws the frame `margin` pixels inside the picture's edges and gives the area within it.
PlotArea DrawPlotFrame(PngImage& image, int margin, Rgb frame);

}  // namespace kagiroi
