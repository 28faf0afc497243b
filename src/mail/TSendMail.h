#pragma once

#include "mail/MailMessage.h"
#include "platform/Clock.h"
#include "platform/UiThread.h"

#include <functional>
#include <memory>
#include <string>

namespace kagiroi {

// Handlers of a mail component's events; each runs on the user-interface thread, in order.
struct SendMailEvents {
    std::function<void(int messageSize, int percentSent)> OnProgress;
    std::function<void(int code, const std::string& text)> OnResponse;
    std::function<void(int code, const std::string& text)> OnSMTPError;
    std::function<void()> OnSuccess;
    std::function<void()> OnHostUnreachable;
    std::function<void()> OnConnLost;
    std::function<void(const std::string& what)> OnAnyError;
};

// Delivers one message at a time to an SMTP server on its own worker thread (started by the
// first Send and kept for the next), telling its progress through the events.
class TSendMail {
  public:
    TSendMail(UiThread& uiThread, const Clock& clock);
    ~TSendMail();
    TSendMail(const TSendMail&) = delete;
    TSendMail& operator=(const TSendMail&) = delete;

    MailProperties Properties;
    SendMailEvents Events;

    // Composes the message from the properties as they are now and starts delivering it;
    // returns at once. False (and nothing done) while this component's last delivery runs.
    bool Send();
    bool Running() const;

  private:
    struct Worker;
    UiThread& uiThread_;
    const Clock& clock_;
    std::shared_ptr<SendMailEvents> liveEvents_;
    std::unique_ptr<Worker> worker_;
};

}  // namespace kagiroi
