#include "mail/SmtpDialogue.h"

#include "mail/Base64.h"
#include "mail/SmtpReply.h"
#include "platform/Clock.h"

#include <algorithm>
#include <cctype>

namespace kagiroi {
namespace {

constexpr size_t kReceiveSize = 512;
constexpr size_t kBlockSize = 512;

std::string_view WithoutCr(std::string_view line) {
    return !line.empty() && line.back() == '\r' ? line.substr(0, line.size() - 1) : line;
}

// Reads one reply whole, over as many receives as it takes (a multi-line reply may arrive in
// pieces, or together with what follows it).
class SmtpReplyReader {
  public:
    explicit SmtpReplyReader(MailConnection& connection) : connection_(connection) {}

    // Nothing when the connection was lost (closed, failed, silent or past its deadline)
    // before the reply ended.
    std::optional<SmtpReply> Next() {
        for (;;) {
            if (auto reply = buffer_.Take()) return reply;
            const auto more = connection_.Receive(kReceiveSize);
            if (!more) return std::nullopt;
            buffer_.Add(*more);
        }
    }
    // Drops what came after the last reply; true when anything had.
    bool DropPending() {
        const bool held = !buffer_.Empty();
        buffer_.Clear();
        return held;
    }

  private:
    MailConnection& connection_;
    SmtpReplyBuffer buffer_;
};

bool Offers(const std::string& ehloReply, std::string_view extension) {
    size_t start = 0;
    while (start < ehloReply.size()) {
        size_t end = ehloReply.find('\n', start);
        if (end == std::string::npos) end = ehloReply.size();
        std::string word(WithoutCr(std::string_view(ehloReply).substr(start, end - start)));
        word = word.size() > 4 ? word.substr(4) : "";
        word = word.substr(0, word.find_first_of(" ="));  // "AUTH=LOGIN" of older servers
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
        deliveryEnd_ = MonotonicMilliseconds() + mail_.Deadlines.DeliveryMs;
        if (!connection_.Connect(mail_.SMTPHost, mail_.SMTPPort, mail_.ConnectTimeoutSeconds)) {
            events_.HostUnreachable();
            return;
        }
        if (mail_.Security != MailSecurity::Tls || SwitchToTls()) {
            StartReply();
            if (Expect(220, "接続")) Converse(message, localName);
        }
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
        if (mail_.Authentication.Enabled && !LogIn()) return;
        if (!Command("MAIL From:<" + mail_.FromAddress + ">", 250)) return;
        if (!Recipients()) return;
        if (!Command("DATA", 354) || !SendBlocks(message)) return;
        Command(".", 250, "本文の終わり(.)");
    }

    bool LogIn() {
        // A login the server cannot take would end in its "502 not implemented".
        if (!Offers(last_.text, "AUTH")) {
            Unexpected(0,
                       "サーバーが認証(AUTH)に対応していません。ユーザーIDを空にすると認証せずに"
                       "送信します。");
            return false;
        }
        return Command("AUTH LOGIN", 334) &&
               Command(Base64Encode(mail_.Authentication.Username), 334,
                       "AUTH LOGIN(ユーザーID)") &&
               Command(Base64Encode(mail_.Authentication.Password), 235, "AUTH LOGIN(パスワード)");
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
            StartReply();
            const size_t block = std::min(kBlockSize, size - sent);
            if (!Write(std::string_view(message).substr(sent, block))) return false;
            sent += block;
            events_.Progress(static_cast<int>(size), static_cast<int>(sent * 100 / size));
        }
        return true;
    }

    bool SwitchToTls() {
        // Bytes after STARTTLS's 220 came before encryption, from the server or from anyone on
        // the way; read inside TLS they would pass for the server's replies.
        if (replies_.DropPending()) {
            connection_.Close();
            Unexpected(
                0, "STARTTLSの応答の後に余分なデータが届いたため、暗号化接続を始められません。");
            return false;
        }
        StartReply();
        const std::string reason = connection_.StartTls(mail_.SMTPHost, mail_.TrustedCertificates);
        if (reason.empty()) return true;
        Unexpected(0, reason);
        return false;
    }

    // The outcome comes last, after QUIT's reply, so a window's status ends on it.
    void Finish() {
        if (connection_.IsOpen()) {
            Command("QUIT", 221);
            connection_.Close();
        }
        if (unexpected_)
            events_.SmtpError(errorCode_, errorText_);
        else if (lost_)
            events_.ConnLost();
        else
            events_.Success();
    }

    // `step` names the command in a refusal; the command itself when empty (the login lines
    // name themselves, so no password is shown).
    bool Command(const std::string& text, int expected, const std::string& step = "") {
        StartReply();
        return Write(text + "\r\n") && Expect(expected, step.empty() ? text : step);
    }

    // The next reply (or TLS handshake, or block of the message) has its own time, within
    // what is left of the delivery's.
    void StartReply() {
        connection_.SetDeadline(
            std::min(MonotonicMilliseconds() + mail_.Deadlines.ReplyMs, deliveryEnd_));
    }

    bool Write(std::string_view bytes) {
        if (connection_.Send(bytes)) return true;
        lost_ = true;
        return false;
    }

    bool Expect(int expected, const std::string& step) {
        const auto reply = replies_.Next();
        if (!reply) {
            lost_ = true;
            return false;
        }
        last_ = *reply;
        events_.Response(reply->code, reply->text);
        if (reply->code == expected) return true;
        Unexpected(reply->code, "「" + step + "」が受け付けられませんでした: " + reply->text);
        return false;
    }

    // The first refusal is the one told.
    void Unexpected(int code, const std::string& text) {
        if (unexpected_) return;
        unexpected_ = true;
        errorCode_ = code;
        errorText_ = text;
    }

    const MailProperties& mail_;
    MailConnection& connection_;
    SmtpEvents& events_;
    SmtpReplyReader replies_;
    SmtpReply last_;
    int64_t deliveryEnd_ = 0;
    bool lost_ = false;
    bool unexpected_ = false;
    int errorCode_ = 0;
    std::string errorText_;
};

}  // namespace

void RunSmtpDialogue(const MailProperties& mail, const std::string& message,
                     const std::string& localName, MailConnection& connection, SmtpEvents& events) {
    Dialogue(mail, connection, events).Run(message, localName);
}

}  // namespace kagiroi
