#include "mail/SmtpReply.h"

#include <algorithm>

namespace kagiroi {
namespace {

// How much of a reply that was too long is shown.
constexpr size_t kCutReplyShown = 512;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool HasCode(std::string_view line) {
    return line.size() >= 3 && IsDigit(line[0]) && IsDigit(line[1]) && IsDigit(line[2]);
}

bool IsLastLine(std::string_view line) {
    return !HasCode(line) || line.size() == 3 || line[3] != '-';
}

std::string_view WithoutCr(std::string_view line) {
    return !line.empty() && line.back() == '\r' ? line.substr(0, line.size() - 1) : line;
}

int CodeOf(std::string_view text) {
    return HasCode(text) ? (text[0] - '0') * 100 + (text[1] - '0') * 10 + (text[2] - '0') : 0;
}

}  // namespace

std::optional<SmtpReply> SmtpReplyBuffer::Take() {
    for (;;) {
        const size_t end = pending_.find('\n', lineStart_);
        // Judged by the reply's length, not by what one receive brought: the same bytes give
        // the same replies however they arrive.
        const size_t length = end == std::string::npos ? pending_.size() : end + 1;
        if (length > longest_) {
            SmtpReply cut{0, pending_.substr(0, std::min(kCutReplyShown, longest_))};
            Clear();
            return cut;
        }
        if (end == std::string::npos) return std::nullopt;
        const std::string_view line =
            std::string_view(pending_).substr(lineStart_, end - lineStart_);
        lineStart_ = end + 1;
        if (!IsLastLine(WithoutCr(line))) continue;
        SmtpReply reply;
        reply.text = std::string(WithoutCr(std::string_view(pending_).substr(0, end)));
        reply.code = CodeOf(reply.text);
        pending_.erase(0, end + 1);
        lineStart_ = 0;
        return reply;
    }
}

void SmtpReplyBuffer::Clear() {
    pending_.clear();
    lineStart_ = 0;
}

}  // namespace kagiroi
