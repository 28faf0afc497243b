#include "printing/PageFile.h"

#include <sstream>

namespace kagiroi {

namespace {

constexpr const char* kHeading = "kagiroi-page 1";
constexpr const char* kNoBytes = "-";  // an empty text, so that every line has all its words

std::string Hex(const std::string& bytes) {
    if (bytes.empty()) return kNoBytes;
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char c : bytes) {
        hex += kDigits[c >> 4];
        hex += kDigits[c & 15];
    }
    return hex;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::optional<std::string> Bytes(const std::string& hex) {
    if (hex == kNoBytes) return std::string();
    if (hex.size() % 2 != 0) return std::nullopt;
    std::string bytes;
    for (size_t i = 0; i < hex.size(); i += 2) {
        int high = HexDigit(hex[i]), low = HexDigit(hex[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes += static_cast<char>(high * 16 + low);
    }
    return bytes;
}

void WriteColour(std::ostream& out, Rgb colour) {
    out << ' ' << int{colour.r} << ' ' << int{colour.g} << ' ' << int{colour.b};
}

bool ReadColour(std::istream& in, Rgb& colour) {
    int r = -1, g = -1, b = -1;
    if (!(in >> r >> g >> b) || r < 0 || g < 0 || b < 0 || r > 255 || g > 255 || b > 255)
        return false;
    colour = {static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b)};
    return true;
}

void WriteOp(std::ostream& out, const PageOp& op) {
    out << "op " << static_cast<int>(op.kind) << ' ' << op.x1 << ' ' << op.y1 << ' ' << op.x2 << ' '
        << op.y2 << ' ' << op.penWidth;
    WriteColour(out, op.fill);
    out << ' ' << op.font.size << ' ' << op.font.bold << ' ' << op.font.underline;
    WriteColour(out, op.font.colour);
    out << ' ' << Hex(op.font.name) << ' ' << Hex(op.text) << '\n';
}

std::optional<PageOp> ReadOp(std::istream& in) {
    PageOp op;
    int kind = -1;
    std::string name, text;
    if (!(in >> kind >> op.x1 >> op.y1 >> op.x2 >> op.y2 >> op.penWidth) ||
        !ReadColour(in, op.fill) || !(in >> op.font.size >> op.font.bold >> op.font.underline) ||
        !ReadColour(in, op.font.colour) || !(in >> name >> text))
        return std::nullopt;
    if (kind < static_cast<int>(DrawKind::Text) || kind > static_cast<int>(DrawKind::Rectangle))
        return std::nullopt;
    op.kind = static_cast<DrawKind>(kind);
    auto nameBytes = Bytes(name), textBytes = Bytes(text);
    if (!nameBytes || !textBytes) return std::nullopt;
    op.font.name = *nameBytes;
    op.text = *textBytes;
    return op;
}

}  // namespace

std::string PageFileText(const TPrevX& document) {
    std::ostringstream out;
    out << kHeading << '\n'
        << "title " << Hex(document.Title) << '\n'
        << "paper " << document.Paper().width << ' ' << document.Paper().height << '\n';
    for (const PagePicture& page : document.Pages()) {
        out << "page\n";
        for (const PageOp& op : page)
            WriteOp(out, op);
    }
    out << "end\n";
    return out.str();
}

std::optional<TPrevX> ReadPageFileText(const std::string& text) {
    std::istringstream in(text);
    std::string heading, word, title;
    PaperSize paper;
    if (!std::getline(in, heading) || heading != kHeading) return std::nullopt;
    if (!(in >> word >> title) || word != "title") return std::nullopt;
    if (!(in >> word >> paper.width >> paper.height) || word != "paper") return std::nullopt;
    std::vector<PagePicture> pages;
    while (in >> word) {
        if (word == "end") {
            TPrevX document;
            auto titleBytes = Bytes(title);
            if (!titleBytes) return std::nullopt;
            document.Title = *titleBytes;
            document.Restore(paper, std::move(pages));
            return document;
        }
        if (word == "page") {
            pages.emplace_back();
            continue;
        }
        if (word != "op" || pages.empty()) return std::nullopt;
        std::optional<PageOp> op = ReadOp(in);
        if (!op) return std::nullopt;
        pages.back().push_back(std::move(*op));
    }
    return std::nullopt;  // no end: the file was cut short
}

const char* PagePdfOption() {
    return "--write-page-pdf";
}

}  // namespace kagiroi
