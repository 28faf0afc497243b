#include "printing/PageTable.h"

#include "platform/Format.h"

namespace kagiroi {

namespace {

const char* KindName(DrawKind kind) {
    switch (kind) {
        case DrawKind::Text:
            return "text";
        case DrawKind::Line:
            return "line";
        case DrawKind::Rectangle:
            return "rectangle";
    }
    return "";
}

}  // namespace

std::vector<std::vector<std::string>> PageRows(const TPrevX& document) {
    std::vector<std::vector<std::string>> rows{
        {"op", "x1", "y1", "x2", "y2", "pen", "font", "text"}};
    for (const PagePicture& picture : document.Pages())
        for (const PageOp& op : picture) {
            bool text = op.kind == DrawKind::Text;
            rows.push_back({KindName(op.kind), Format("%d", op.x1), Format("%d", op.y1),
                            text ? "" : Format("%d", op.x2), text ? "" : Format("%d", op.y2),
                            text ? "" : Format("%d", op.penWidth),
                            text ? Format("%d", op.font.size) : "", op.text});
        }
    return rows;
}

}  // namespace kagiroi
