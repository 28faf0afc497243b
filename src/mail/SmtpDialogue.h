#pragma once

#include "mail/MailConnection.h"
#include "mail/MailMessage.h"

#include <string>

namespace kagiroi {

// What a delivery tells as it goes, in order, from the worker thread.
class SmtpEvents {
  public:
    virtual ~SmtpEvents() = default;
    virtual void Progress(int messageSize, int percentSent) = 0;
    virtual void Response(int code, const std::string& text) = 0;
    virtual void SmtpError(int code, const std::string& text) = 0;
    virtual void Success() = 0;
    virtual void HostUnreachable() = 0;
    virtual void ConnLost() = 0;
};

// The whole SMTP dialogue for one composed message: connect, greeting, HELO or EHLO,
// STARTTLS or TLS as the properties ask, AUTH LOGIN, MAIL, RCPT, DATA in blocks, QUIT.
void RunSmtpDialogue(const MailProperties& mail, const std::string& message,
                     const std::string& localName, MailConnection& connection, SmtpEvents& events);

}  // namespace kagiroi
