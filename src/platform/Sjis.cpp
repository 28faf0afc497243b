#include "platform/Sjis.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace kagiroi {

#ifdef _WIN32

namespace {

std::wstring Widen(std::string_view text, UINT codePage) {
    if (text.empty()) return {};
    int n =
        MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    return wide;
}

// Windows turns a byte that is no character of code page 932 into a katakana middle dot, which
// reads as text; the program shows U+FFFD there, as on every other system.
// Windows also passes 0x80, 0xA0 and 0xFD-0xFF through as private characters instead of
// refusing them, although code page 932 gives them no character.
bool IsUnmappedSingleByte(unsigned char byte) {
    return byte == 0x80 || byte == 0xA0 || byte >= 0xFD;
}

bool HasUnmappedSingleByte(std::string_view sjis) {
    for (size_t i = 0; i < sjis.size(); ++i) {
        auto byte = static_cast<unsigned char>(sjis[i]);
        if (IsUnmappedSingleByte(byte)) return true;
        if (IsSjisLeadByte(byte)) ++i;
    }
    return false;
}

std::wstring WidenSjis(std::string_view sjis) {
    if (sjis.empty()) return {};
    auto size = static_cast<int>(sjis.size());
    if (!HasUnmappedSingleByte(sjis) &&
        MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, sjis.data(), size, nullptr, 0) > 0)
        return Widen(sjis, 932);
    std::wstring wide;
    for (size_t i = 0; i < sjis.size();) {
        size_t length =
            IsSjisLeadByte(static_cast<unsigned char>(sjis[i])) && i + 1 < sjis.size() ? 2 : 1;
        wchar_t unit[2];
        int n = IsUnmappedSingleByte(static_cast<unsigned char>(sjis[i]))
                    ? 0
                    : MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, sjis.data() + i,
                                          static_cast<int>(length), unit, 2);
        if (n > 0)
            wide.append(unit, static_cast<size_t>(n));
        else
            wide += L'\xFFFD';
        i += n > 0 ? length : 1;
    }
    return wide;
}

std::string Narrow(const std::wstring& wide, UINT codePage) {
    if (wide.empty()) return {};
    int n = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                nullptr, nullptr);
    std::string text(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), text.data(), n,
                        nullptr, nullptr);
    return text;
}

}  // namespace

std::string SjisToUtf8(std::string_view sjis) {
    return Narrow(WidenSjis(sjis), CP_UTF8);
}
std::string Utf8ToSjis(std::string_view utf8) {
    return Narrow(Widen(utf8, CP_UTF8), 932);
}

std::u16string SjisToUtf16(std::string_view sjis) {
    std::wstring wide = WidenSjis(sjis);
    return std::u16string(wide.begin(), wide.end());
}
std::string Utf16ToSjis(std::u16string_view utf16) {
    return Narrow(std::wstring(utf16.begin(), utf16.end()), 932);
}

bool IsValidSjis(std::string_view sjis) {
    if (sjis.empty()) return true;
    return MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, sjis.data(),
                               static_cast<int>(sjis.size()), nullptr, 0) > 0;
}

#else

namespace {

// Converts with iconv, replacing each unconvertible unit of `unitBytes` bytes by `replacement`.
std::string Convert(std::string_view input, const char* to, const char* from,
                    std::string_view replacement, size_t unitBytes = 1) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(input);
    std::string out;
    out.reserve(input.size() * 3 / 2 + 8);
    char buffer[4096];
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<size_t>(outPtr - buffer));
        if (rc == static_cast<size_t>(-1) && errno != E2BIG) {
            // EILSEQ or EINVAL: skip one unit of input and go on.
            out.append(replacement);
            size_t skipped = std::min(unitBytes, inLeft);
            in += skipped;
            inLeft -= skipped;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(cd);
    return out;
}

}  // namespace

std::string SjisToUtf8(std::string_view sjis) {
    bool ascii = true;
    for (unsigned char c : sjis)
        ascii = ascii && c < 0x80;
    if (ascii) return std::string(sjis);
    return Convert(sjis, "UTF-8", "CP932", "\xEF\xBF\xBD");
}

std::string Utf8ToSjis(std::string_view utf8) {
    bool ascii = true;
    for (unsigned char c : utf8)
        ascii = ascii && c < 0x80;
    if (ascii) return std::string(utf8);
    return Convert(utf8, "CP932", "UTF-8", "?");
}

std::u16string SjisToUtf16(std::string_view sjis) {
    // The machines the program runs on are little-endian, as COM's texts are.
    std::string bytes = Convert(sjis, "UTF-16LE", "CP932", std::string_view("\xFD\xFF", 2));
    std::u16string text(bytes.size() / 2, u'\0');
    std::memcpy(text.data(), bytes.data(), text.size() * 2);
    return text;
}

std::string Utf16ToSjis(std::u16string_view utf16) {
    std::string_view bytes(reinterpret_cast<const char*>(utf16.data()), utf16.size() * 2);
    return Convert(bytes, "CP932", "UTF-16LE", "?", 2);
}

bool IsValidSjis(std::string_view sjis) {
    for (size_t i = 0; i < sjis.size(); ++i) {
        auto c = static_cast<unsigned char>(sjis[i]);
        if (c < 0x80 || (c >= 0xA1 && c <= 0xDF)) continue;
        if (!IsSjisLeadByte(c) || i + 1 >= sjis.size()) return false;
        auto t = static_cast<unsigned char>(sjis[i + 1]);
        if (t < 0x40 || t == 0x7F || t > 0xFC) return false;
        ++i;
    }
    // The byte structure is sound; let the converter judge unassigned code points.
    iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) return true;
    char buffer[1024];
    char* in = const_cast<char*>(sjis.data());
    size_t inLeft = sjis.size();
    bool ok = true;
    while (inLeft > 0 && ok) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        if (rc == static_cast<size_t>(-1) && errno != E2BIG) ok = false;
    }
    iconv_close(cd);
    return ok;
}

#endif

}  // namespace kagiroi
