#include "mail/JisEncoding.h"

#include "mail/Base64.h"
#include "platform/Sjis.h"

namespace kagiroi {
namespace {

constexpr char kToJapanese[] = "\x1B$B";
// The return to one-byte text is JIS X 0201 Roman, as Japanese phone mailers expect.
constexpr char kToRoman[] = "\x1B(J";

bool IsTrailByte(unsigned char c) {
    return c >= 0x40 && c <= 0xFC;
}
bool IsHalfKana(unsigned char c) {
    return c >= 0xA1 && c <= 0xDF;
}

// The full-width letters of 0xA1 to 0xDF, in code order.
constexpr char kFullKana[] =
    "。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテト"
    "ナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン゛゜";
static_assert(sizeof kFullKana == (0xDF - 0xA1 + 1) * 2 + 1, "one letter per half-width byte");

std::string EncodedWord(std::string_view bytes) {
    return "=?ISO-2022-JP?B?" + Base64Encode(bytes) + "?=";
}

bool EscapeAt(std::string_view text, size_t i, char first, std::string_view seconds) {
    // The escape counts only with one more byte after its three.
    return i + 3 < text.size() && text[i + 1] == first &&
           seconds.find(text[i + 2]) != std::string_view::npos;
}

}  // namespace

std::string SjisPairToJis(unsigned char lead, unsigned char trail) {
    unsigned t = (trail - 0x1Fu) & 0xFFu;
    if (t < 0x80) t = (t + 0xDE + (t < 0x61 ? 1 : 0)) & 0xFFu;
    unsigned v = (((2u * lead) & 0xFFu) << 8) | t;
    v = ((v + 0x1FA1u) & 0xFFFFu) & 0x7F7Fu;
    return {static_cast<char>(v >> 8), static_cast<char>(v & 0xFF)};
}

std::string HalfToFullKana(unsigned char half) {
    if (!IsHalfKana(half)) return {};
    return std::string(kFullKana + (half - 0xA1) * 2, 2);
}

std::string SjisToJis(std::string_view sjis) {
    std::string out;
    bool japanese = false;
    auto enter = [&] {
        if (!japanese) out += kToJapanese;
        japanese = true;
    };
    auto leave = [&] {
        if (japanese) out += kToRoman;
        japanese = false;
    };
    for (size_t i = 0; i < sjis.size();) {
        const auto c = static_cast<unsigned char>(sjis[i]);
        // A lead byte at the very end has no trail: it is a stray byte.
        const auto next = i + 1 < sjis.size() ? static_cast<unsigned char>(sjis[i + 1]) : ' ';
        if (IsSjisLeadByte(c) && IsTrailByte(next)) {
            enter();
            out += SjisPairToJis(c, next);
            i += 2;
            continue;
        }
        if (IsHalfKana(c)) {
            enter();
            const std::string full = HalfToFullKana(c);
            out += SjisPairToJis(full[0], full[1]);
        } else {
            leave();
            out += c >= 0x80 ? '?' : static_cast<char>(c);
        }
        ++i;
    }
    leave();
    return out;
}

std::string JisToHeader(std::string_view jis) {
    std::string out;
    size_t start = 0;
    bool japanese = false;
    for (size_t i = 0; i < jis.size(); ++i) {
        if (jis[i] != '\x1B') continue;
        if (!japanese && EscapeAt(jis, i, '$', "B@")) {
            out += jis.substr(start, i - start);
            start = i;
            japanese = true;
        } else if (japanese && EscapeAt(jis, i, '(', "JB")) {
            out += EncodedWord(jis.substr(start, i + 3 - start));
            start = i + 3;
            japanese = false;
        }
    }
    const std::string_view rest = jis.substr(start);
    out += japanese ? EncodedWord(rest) : std::string(rest);
    return out;
}

}  // namespace kagiroi
