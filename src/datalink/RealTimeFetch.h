#pragma once

#include "datalink/JvLink.h"
#include "datalink/RealTimeDataSpecs.h"
#include "daystore/DayStore.h"
#include "platform/ErrorLog.h"
#include "platform/TextGrid.h"
#include "platform/Ui.h"

#include <functional>
#include <string>

namespace kagiroi {

// One real-time command: what to ask for, what to show, and how loudly.
struct RealTimeRequest {
    std::string dataSpec;  // one of the RealTimeDataSpecs
    std::string key;       // a race key or "yyyymmdd"
    RealTimeReader reader = RealTimeReader::Odds;
    std::string fetchingLabel;
    std::string failurePrefix;  // the failure label is this followed by the message
    // Shown, without a beep, when the service has nothing newer yet (-1), as before a race's
    // odds are first published; empty: that is told as a failure.
    std::string notYetLabel;
    bool quiet = false;  // silences the beeps of a timed fetch
};

// What a fetch did.
struct RealTimeOutcome {
    bool refused = false;  // another command holds the service: nothing was touched
    bool opened = false;
    int recordsStored = 0;
};

// Runs one open, read and close cycle of a real-time request, storing what arrives in the day
// files by the real-time rules. Progress and failures go to the download label; failures also
// to the error log. Imports and the refresh of the race on screen are the caller's.
class RealTimeFetcher {
  public:
    RealTimeFetcher(JvLink& jvLink, DayStore& store, Ui& ui, ErrorLog& log, const bool& cancelFlag,
                    Label& downloadLabel, std::function<void()> changed);

    // Refused, touching nothing, while another command holds the service.
    RealTimeOutcome Fetch(const RealTimeRequest& request);

    // How long a read may keep hearing "still downloading" before it gives up.
    static constexpr int kMaxWaitMs = 60000;
    void SetMaxWait(int milliseconds) { maxWaitMs_ = milliseconds; }
    // Called with every record the day store took (the odds history keeps them).
    void OnStored(std::function<void(const std::string& record)> observer) {
        onStored_ = std::move(observer);
    }

  private:
    void Run(const RealTimeRequest& request, RealTimeOutcome& outcome);
    bool Belongs(RealTimeReader reader, const std::string& record) const;
    int Read(const RealTimeRequest& request);
    void CloseStep(const RealTimeRequest& request);
    void Report(const std::string& text);
    void SetLabel(const std::string& text);

    JvLink& jvLink_;
    DayStore& store_;
    Ui& ui_;
    ErrorLog& log_;
    const bool& cancelFlag_;
    Label& label_;
    std::function<void()> changed_;
    int maxWaitMs_ = kMaxWaitMs;
    std::function<void(const std::string&)> onStored_;
    bool open_ = false;  // this fetch holds an open request
};

// The status text of a command refused because another one is using the service.
std::string ServiceBusyText();

// Buffer size a reader offers the service.
int BufferSizeOf(RealTimeReader reader);

}  // namespace kagiroi
