#pragma once

#include "platform/Color.h"

#include <string>
#include <vector>

namespace kagiroi {

// Paper numbers and orientations as a printer's device mode names them.
enum class PaperKind { A4 = 9 };
enum class PaperOrientation { Portrait = 1, Landscape = 2 };
// The unit drawing coordinates are given in.
enum class PageUnit { TenthMillimetre, Millimetre };

// Width and height in tenths of a millimetre.
struct PaperSize {
    int width = 0, height = 0;
    friend bool operator==(const PaperSize&, const PaperSize&) = default;
};
PaperSize PaperSizeOf(PaperKind paper, PaperOrientation orientation);

struct PageFont {
    std::string name;  // Shift_JIS face name
    int size = 10;     // points
    bool bold = false;
    bool underline = false;
    Rgb colour = colors::kBlack;
    friend bool operator==(const PageFont&, const PageFont&) = default;
};

enum class DrawKind { Text, Line, Rectangle };

// One drawing operation of a page, positions in tenths of a millimetre from the paper's top-left
// corner, margins included. Each operation carries the canvas state it was drawn with, so a page
// renders the same on any device.
struct PageOp {
    DrawKind kind = DrawKind::Text;
    int x1 = 0, y1 = 0;         // text: top-left corner; line: start; rectangle: left, top
    int x2 = 0, y2 = 0;         // line: end; rectangle: right, bottom
    std::string text;           // Shift_JIS
    PageFont font;              // text
    int penWidth = 1;           // line and rectangle outline, in the pen width unit
    Rgb fill = colors::kWhite;  // rectangle
    friend bool operator==(const PageOp&, const PageOp&) = default;
};

using PagePicture = std::vector<PageOp>;

// The page description: a document of page pictures recorded in tenths of a millimetre,
// rendered for a printer, a PDF or the preview by the window. It keeps the name of the preview
// component whose operations it offers, though it draws nothing itself. Drawing outside an open
// document records nothing.
class TPrevX {
  public:
    static constexpr int kMinZoom = 25, kMaxZoom = 200;

    void SetPaper(PaperKind paper, PaperOrientation orientation);
    PaperSize Paper() const { return paper_; }
    void SetMargins(int left, int top);
    void SetUnit(PageUnit unit) { unit_ = unit; }

    // Drops every page and opens the first; the canvas returns to its defaults.
    void NewDocument();
    void EndDocument();

    // The canvas.
    void SetFont(const PageFont& font) { font_ = font; }
    PageFont& Font() { return font_; }
    void PenWidth(int width) { penWidth_ = width; }
    void BrushColour(Rgb colour) { brush_ = colour; }

    void TextOut(int x, int y, const std::string& text);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Rectangle(int left, int top, int right, int bottom);

    // Percent of the preview; values outside 25..200 are ignored.
    void SetZoomScale(int percent);
    int ZoomScale() const { return zoom_; }

    std::string Title;  // the print job's title, Shift_JIS
    const std::vector<PagePicture>& Pages() const { return pages_; }
    // A finished document as another program recorded it: its paper and page pictures.
    void Restore(PaperSize paper, std::vector<PagePicture> pages);

  private:
    // A coordinate of the current unit in tenths of a millimetre, margin included.
    int X(int x) const;
    int Y(int y) const;
    void Record(PageOp op);

    PaperSize paper_ = PaperSizeOf(PaperKind::A4, PaperOrientation::Portrait);
    int marginLeft_ = 0, marginTop_ = 0;
    PageUnit unit_ = PageUnit::TenthMillimetre;
    bool open_ = false;
    std::vector<PagePicture> pages_;
    PageFont font_;
    int penWidth_ = 1;
    Rgb brush_ = colors::kWhite;
    int penX_ = 0, penY_ = 0;  // tenths of a millimetre
    int zoom_ = kMinZoom;
};

}  // namespace kagiroi
