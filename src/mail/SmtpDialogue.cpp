#include "mail/SmtpDialogue.h"

#include "mail/Base64.h"

#include <algorithm>
#include <cctype>

namespace kagiroi {
namespace {

constexpr size_t kReceiveSize = 512;
constexpr size_t kBlockSize = 512;
// A reply longer than this is no SMTP reply.
constexpr size_t kLongestReply = 64 * 1024;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A reply's last line is "ddd" or "ddd text"; "ddd-text" lines go before it. A line of any
// other shape ends the reply too, which then reads as unreadable.
bool HasCode(std::string_view line) {
    return line.size() >= 3 && IsDigit(line[0]) && IsDigit(line[1]) && IsDigit(line[2]);
}

bool IsLastLine(std::string_view line) {
    return !HasCode(line) || line.size() == 3 || line[3] != '-';
}

std::string_view WithoutCr(std::string_view line) {
    return !line.empty() && line.back() == '\r' ? line.substr(0, line.size() - 1) : line;
}

bool Offers(const std::string& ehloReply, std::string_view extension) {
    size_t start = 0;
    while (start < ehloReply.size()) {
        size_t end = ehloReply.find('\n', start);
        if (end == std::string::npos) end = ehloReply.size();
        std::string word(WithoutCr(std::string_view(ehloReply).substr(start, end - start)));
        word = word.size() > 4 ? word.substr(4) : "";
        word = word.substr(0, word.find(' '));
        std::transform(word.begin(), word.end(), word.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        if (word == extension) return true;
        start = end + 1;
    }
    return false;
}

// One dialogue: the steps return false when the dialogue has ended.
class Dialogue {
  public:
    Dialogue(const MailProperties& mail, MailConnection& connection, SmtpEvents& events)
        : mail_(mail), connection_(connection), events_(events), replies_(connection) {}

    void Run(const std::string& message, const std::string& localName) {
        if (!connection_.Connect(mail_.SMTPHost, mail_.SMTPPort, mail_.ConnectTimeoutSeconds)) {
            events_.HostUnreachable();
            return;
        }
        connection_.SetReceiveTimeout(mail_.ReplyTimeoutSeconds);
        const bool implicitTls = mail_.Security == MailSecurity::Tls;
        if ((!implicitTls || SwitchToTls()) && Expect(220)) Converse(message, localName);
        Finish();
    }

  private:
    void Converse(const std::string& message, const std::string& localName) {
        const bool extended =
            mail_.Authentication.Enabled || mail_.Security == MailSecurity::StartTls;
        const std::string hello = (extended ? "EHLO " : "HELO ") + localName;
        if (!Command(hello, 250)) return;
        if (mail_.Security == MailSecurity::StartTls) {
            // Without STARTTLS the password and the message would travel readable.
            if (!Offers(last_.text, "STARTTLS"))
                return Unexpected(0, "サーバーが暗号化(STARTTLS)に対応していません。");
            if (!Command("STARTTLS", 220) || !SwitchToTls() || !Command(hello, 250)) return;
        }
        if (mail_.Authentication.Enabled &&
            !(Command("AUTH LOGIN", 334) &&
              Command(Base64Encode(mail_.Authentication.Username), 334) &&
              Command(Base64Encode(mail_.Authentication.Password), 235)))
            return;
        if (!Command("MAIL From:<" + mail_.FromAddress + ">", 250)) return;
        if (!Recipients()) return;
        if (!Command("DATA", 354) || !SendBlocks(message)) return;
        Command(".", 250);
    }

    bool Recipients() {
        std::vector<std::string> all;
        for (const std::string* list : {&mail_.ToAddr, &mail_.ToCC, &mail_.ToBCC})
            for (std::string& address : ListAddresses(*list))
                all.push_back(std::move(address));
        if (all.empty()) return Command("RCPT To: " + mail_.ToAddr, 250);
        for (const std::string& address : all)
            if (!Command("RCPT To: <" + address + ">", 250)) return false;
        return true;
    }

    bool SendBlocks(const std::string& message) {
        const size_t size = message.size();
        for (size_t sent = 0; sent < size;) {
            const size_t block = std::min(kBlockSize, size - sent);
            if (!Write(std::string_view(message).substr(sent, block))) return false;
            sent += block;
            events_.Progress(static_cast<int>(size), static_cast<int>(sent * 100 / size));
        }
        return true;
    }

    bool SwitchToTls() {
        const std::string reason = connection_.StartTls(mail_.SMTPHost, mail_.TrustedCertificates);
        if (reason.empty()) return true;
        Unexpected(0, reason);
        return false;
    }

    void Finish() {
        if (connection_.IsOpen()) {
            Command("QUIT", 221);
            connection_.Close();
        }
        if (lost_)
            events_.ConnLost();
        else if (!unexpected_)
            events_.Success();
    }

    bool Command(const std::string& text, int expected) {
        return Write(text + "\r\n") && Expect(expected);
    }

    bool Write(std::string_view bytes) {
        if (connection_.Send(bytes)) return true;
        lost_ = true;
        return false;
    }

    bool Expect(int expected) {
        const auto reply = replies_.Next();
        if (!reply) {
            lost_ = true;
            return false;
        }
        last_ = *reply;
        events_.Response(reply->code, reply->text);
        if (reply->code == expected) return true;
        Unexpected(reply->code, reply->text);
        return false;
    }

    void Unexpected(int code, const std::string& text) {
        unexpected_ = true;
        events_.SmtpError(code, text);
    }

    const MailProperties& mail_;
    MailConnection& connection_;
    SmtpEvents& events_;
    SmtpReplyReader replies_;
    SmtpReplyReader::Reply last_;
    bool lost_ = false;
    bool unexpected_ = false;
};

}  // namespace

std::optional<SmtpReplyReader::Reply> SmtpReplyReader::Next() {
    size_t lineStart = 0;
    for (;;) {
        const size_t end = pending_.find('\n', lineStart);
        if (end == std::string::npos) {
            if (pending_.size() > kLongestReply) return Reply{0, pending_.substr(0, 512)};
            const auto more = connection_.Receive(kReceiveSize);
            if (!more) return std::nullopt;
            pending_ += *more;
            continue;
        }
        if (!IsLastLine(WithoutCr(std::string_view(pending_).substr(lineStart, end - lineStart)))) {
            lineStart = end + 1;
            continue;
        }
        Reply reply;
        reply.text = std::string(WithoutCr(std::string_view(pending_).substr(0, end)));
        pending_.erase(0, end + 1);
        reply.code = HasCode(reply.text) ? std::stoi(reply.text.substr(0, 3)) : 0;
        return reply;
    }
}

void RunSmtpDialogue(const MailProperties& mail, const std::string& message,
                     const std::string& localName, MailConnection& connection, SmtpEvents& events) {
    Dialogue(mail, connection, events).Run(message, localName);
}

}  // namespace kagiroi
