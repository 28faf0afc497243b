#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace kagiroi {

// One TCP connection to a mail server, optionally switched to TLS. Every call blocks the
// calling (worker) thread at most until the deadline; a server that stays silent, closes or
// is still talking then reads as a lost connection, and the connection is closed.
class MailConnection {
  public:
    MailConnection();
    ~MailConnection();
    MailConnection(const MailConnection&) = delete;
    MailConnection& operator=(const MailConnection&) = delete;

    // Resolves and connects within `timeoutSeconds`; false when the host cannot be reached.
    bool Connect(const std::string& host, int port, int timeoutSeconds);
    // The moment (of MonotonicMilliseconds) every send, receive and TLS handshake from now on
    // gives up; none at first.
    void SetDeadline(int64_t monotonicMs);
    // False when the connection is lost.
    bool Send(std::string_view bytes);
    // One receive of at most `maxBytes`; nothing when the connection is lost or silent.
    std::optional<std::string> Receive(size_t maxBytes);
    // Switches the open connection to TLS, checking the server's certificate against the
    // system's trust store (plus `extraTrustFile` when given) and the host name. Empty on
    // success, else the reason in the program's words; the connection is closed then.
    std::string StartTls(const std::string& host, const std::string& extraTrustFile);
    bool IsOpen() const;
    void Close();
    // From any thread: ends a connect or a wait under way at once, and every call after it
    // fails, as a lost connection does (the program is closing).
    void Abort();

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// This computer's name as HELO gives it.
std::string LocalComputerName();

}  // namespace kagiroi
