#include "printing/TPrevX.h"

#include <utility>

namespace kagiroi {

PaperSize PaperSizeOf(PaperKind paper, PaperOrientation orientation) {
    PaperSize size;
    switch (paper) {
        case PaperKind::A4:
            size = {2100, 2970};
            break;
    }
    if (orientation == PaperOrientation::Landscape) std::swap(size.width, size.height);
    return size;
}

void TPrevX::SetPaper(PaperKind paper, PaperOrientation orientation) {
    paper_ = PaperSizeOf(paper, orientation);
}

void TPrevX::SetMargins(int left, int top) {
    marginLeft_ = left;
    marginTop_ = top;
}

void TPrevX::NewDocument() {
    pages_.assign(1, {});
    open_ = true;
    font_ = {};
    penWidth_ = 1;
    brush_ = colors::kWhite;
    penX_ = penY_ = 0;
}

void TPrevX::EndDocument() {
    open_ = false;
}

int TPrevX::X(int x) const {
    return (unit_ == PageUnit::Millimetre ? x * 10 : x) + marginLeft_;
}

int TPrevX::Y(int y) const {
    return (unit_ == PageUnit::Millimetre ? y * 10 : y) + marginTop_;
}

void TPrevX::Record(PageOp op) {
    if (!open_) return;
    op.penWidth = penWidth_;
    pages_.back().push_back(std::move(op));
}

void TPrevX::TextOut(int x, int y, const std::string& text) {
    PageOp op;
    op.kind = DrawKind::Text;
    op.x1 = X(x);
    op.y1 = Y(y);
    op.text = text;
    op.font = font_;
    Record(std::move(op));
}

void TPrevX::MoveTo(int x, int y) {
    penX_ = X(x);
    penY_ = Y(y);
}

void TPrevX::LineTo(int x, int y) {
    PageOp op;
    op.kind = DrawKind::Line;
    op.x1 = penX_;
    op.y1 = penY_;
    op.x2 = penX_ = X(x);
    op.y2 = penY_ = Y(y);
    Record(std::move(op));
}

void TPrevX::Rectangle(int left, int top, int right, int bottom) {
    PageOp op;
    op.kind = DrawKind::Rectangle;
    op.x1 = X(left);
    op.y1 = Y(top);
    op.x2 = X(right);
    op.y2 = Y(bottom);
    op.fill = brush_;
    Record(std::move(op));
}

void TPrevX::Restore(PaperSize paper, std::vector<PagePicture> pages) {
    paper_ = paper;
    pages_ = std::move(pages);
    open_ = false;
}

void TPrevX::SetZoomScale(int percent) {
    if (percent >= kMinZoom && percent <= kMaxZoom) zoom_ = percent;
}

}  // namespace kagiroi
