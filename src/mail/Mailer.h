#pragma once

#include "daystore/RecordLayout.h"
#include "mail/TSendMail.h"
#include "platform/DateTime.h"
#include "platform/ErrorLog.h"
#include "platform/SettingsFile.h"
#include "platform/Ui.h"
#include "platform/UiThread.h"

#include <array>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace kagiroi {

// A race the delivery timer may pick: its slot, whether its odds are loaded and its third
// fetch time ("hhmm").
struct DeliveryCandidate {
    int slot = 0;
    bool oddsLoaded = false;
    std::string thirdFetchTime;
};

// The main window's mail: the race-day delivery of each race's net to the user's phone, sent
// with the stored mail settings.
class Mailer {
  public:
    Mailer(SettingsFile& settings, Ui& ui, ErrorLog& errorLog, UiThread& uiThread,
           const Clock& clock, std::function<void(const std::string&)> setStatus);

    // 買い目を転送する: switches the check mark and the delivery timer with it.
    void ToggleDelivery() { delivering_ = !delivering_; }
    bool Delivering() const { return delivering_; }

    // A day was loaded: every race may be delivered once again.
    void ClearDelivered() { delivered_.fill(false); }
    // The races due now (current minute equal to the third fetch time, odds loaded, not yet
    // delivered), marked delivered.
    std::vector<int> TakeDueRaces(const std::vector<DeliveryCandidate>& races, const DateTime& now);

    // Mails the lines, the first of them the subject, to the stored address, after the
    // deliveries still under way or waiting. False (told on the status line and in the error
    // log) when the settings fail their checks; the outcome is told later.
    bool Deliver(const std::vector<std::string>& lines);
    bool Sending() const { return mail_.Running() || !waiting_.empty(); }
    // Whether the server took the last delivery.
    bool Sent() const { return sent_; }
    TSendMail& Component() { return mail_; }

  private:
    // Starts the first waiting delivery unless one is under way.
    bool SendNext();
    void Fail(const std::string& text);

    SettingsFile& settings_;
    Ui& ui_;
    ErrorLog& errorLog_;
    TSendMail mail_;
    std::function<void(const std::string&)> setStatus_;
    // Races due in the same minute go out one after another: the component takes one at a time.
    std::deque<std::vector<std::string>> waiting_;
    std::array<bool, kSlotCount> delivered_{};
    bool delivering_ = false;
    bool sent_ = false;
};

}  // namespace kagiroi
