#include "mail/Base64.h"

namespace kagiroi {

std::string Base64Encode(std::string_view bytes) {
    static constexpr char kAlphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (size_t i = 0; i < bytes.size(); i += 3) {
        const size_t left = bytes.size() - i;
        unsigned group = static_cast<unsigned char>(bytes[i]) << 16;
        if (left > 1) group |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (left > 2) group |= static_cast<unsigned char>(bytes[i + 2]);
        out += kAlphabet[(group >> 18) & 0x3F];
        out += kAlphabet[(group >> 12) & 0x3F];
        out += left > 1 ? kAlphabet[(group >> 6) & 0x3F] : '=';
        out += left > 2 ? kAlphabet[group & 0x3F] : '=';
    }
    return out;
}

}  // namespace kagiroi
