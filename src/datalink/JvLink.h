#pragma once

#include "datalink/JvRequestGate.h"
#include "datalink/JvResultCodes.h"

#include <functional>
#include <string>
#include <vector>

namespace kagiroi {

// The data service's client component. Texts cross as Shift_JIS. Results are the service's
// codes (JvResultCodes.h): kOk, negative errors (see JvResultMessage), and for JVRead the record
// length, kAllRead at the end, kFileChanged at a file change and kDownloading while files are
// still being fetched.
class JvLink {
  public:
    virtual ~JvLink() = default;

    virtual int JVInit(const std::string& softwareId) = 0;
    // Shows the component's settings dialog.
    virtual int JVSetUIProperties() = 0;
    // dataSpec "RACEDIFFHOSESNAP", fromDate "yyyymmddhhnnss", option 1 normal or 3 setup.
    // readCount: files to read; downloadCount: files still to fetch; lastFileTimestamp: the
    // newest stamp "yyyymmddhhnnss" (empty or zeros when none).
    virtual int JVOpen(const std::string& dataSpec, const std::string& fromDate, int option,
                       int& readCount, int& downloadCount, std::string& lastFileTimestamp) = 0;
    // dataSpec one of the RealTimeDataSpecs; key a race key or a date "yyyymmdd".
    virtual int JVRTOpen(const std::string& dataSpec, const std::string& key) = 0;
    // Files fetched so far; negative on error.
    virtual int JVStatus() = 0;
    // One record ending in CR LF into `record`; bufferSize is what the caller offers.
    virtual int JVRead(std::string& record, int bufferSize, std::string& fileName) = 0;
    virtual int JVCancel() = 0;
    virtual int JVClose() = 0;

    // Words for the last refused call when its code alone would mislead (a folder that does
    // not exist); empty otherwise.
    virtual std::string FailureText() const { return {}; }
    // The lines of the last open's files that held no record, as "file line" texts.
    virtual std::vector<std::string> SkippedLines() const { return {}; }
    // Where faults of the component's own (a bridge that hangs or ends) are logged; links that
    // have none ignore it.
    virtual void LogFaultsTo(std::function<void(const std::string&)> log) { (void)log; }

    // Who holds the service between an open and its close (one command at a time).
    JvRequestGate& Requests() { return requests_; }

  private:
    JvRequestGate requests_;
};

}  // namespace kagiroi
