#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kagiroi {

// One reply of a mail server.
struct SmtpReply {
    int code = 0;      // 0 when the reply does not start with a three-digit code
    std::string text;  // every line of the reply, without the final CR LF
};

// A reply longer than this is no SMTP reply.
constexpr size_t kLongestSmtpReply = 64 * 1024;

// Splits the bytes a server sent, however they were cut into receives, into whole replies.
// A reply's last line is "ddd" or "ddd text"; "ddd-text" lines go before it. A line of any
// other shape ends the reply too, which then reads as unreadable (code 0).
class SmtpReplyBuffer {
  public:
    explicit SmtpReplyBuffer(size_t longest = kLongestSmtpReply) : longest_(longest) {}

    void Add(std::string_view bytes) { pending_ += bytes; }
    // The first reply, taken off the buffer; nothing while its last line has not come. A reply
    // past the longest is cut to its start (code 0) and everything held is dropped with it.
    std::optional<SmtpReply> Take();
    // Bytes held beyond the replies taken.
    bool Empty() const { return pending_.empty(); }
    void Clear();

  private:
    size_t longest_;
    std::string pending_;
    size_t lineStart_ = 0;  // the first line of the reply not yet known to continue it
};

}  // namespace kagiroi
