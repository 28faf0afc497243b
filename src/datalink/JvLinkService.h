#pragma once

#include "datalink/JvLink.h"
#include "datalink/JvResultCodes.h"
#include "platform/DateTime.h"

#include <functional>
#include <string>
#include <vector>

namespace kagiroi {

// A file of records as JVRead hands it out; its records are made when reading reaches it, so
// that a long download never holds more than one file.
struct JvServedFile {
    std::string name;
    std::function<std::vector<std::string>()> records;
};

// What a service offers for an open: 0 and its files, or the open's error code.
struct JvOffer {
    int code = 0;
    std::vector<JvServedFile> files;
    std::vector<std::string> toFetch;  // names of the files still to download, in order
    std::string newestStamp;           // "yyyymmddhhnnss"
};

struct JvStoredRequest {
    std::string dataSpec;
    DateTime from;
    int option = 1;
};

// The call protocol of the data service, shared by the demo and the folder feed: JVInit once,
// then an open (stored data or real time), the fetch phase with JVStatus, the JVRead loop with
// -1 after each file and 0 at the end, and JVClose; wrong calls get the service's error codes.
class JvLinkService : public JvLink {
  public:
    int JVInit(const std::string& softwareId) override;
    int JVSetUIProperties() override { return 0; }
    int JVOpen(const std::string& dataSpec, const std::string& fromDate, int option, int& readCount,
               int& downloadCount, std::string& lastFileTimestamp) override;
    int JVRTOpen(const std::string& dataSpec, const std::string& key) override;
    int JVStatus() override;
    // bufferSize is not enforced: a record is handed out whole whatever the caller offers.
    int JVRead(std::string& record, int bufferSize, std::string& fileName) override;
    // Stops the download; reads then answer -203, and the request waits for its close.
    int JVCancel() override;
    // -203 when nothing is open.
    int JVClose() override;

    bool IsInitialised() const { return initialised_; }
    bool IsOpen() const { return mode_ != Mode::Closed; }

  protected:
    virtual JvOffer OfferStored(const JvStoredRequest& request) = 0;
    virtual JvOffer OfferRealTime(const std::string& dataSpec, const std::string& key) = 0;
    // A file of the current download has been fetched.
    virtual void FileFetched(const std::string& /*name*/) {}

  private:
    enum class Mode { Closed, Stored, RealTime, Cancelled };

    void Start(Mode mode, JvOffer offer);
    void Reset();
    bool Serving() const { return mode_ == Mode::Stored || mode_ == Mode::RealTime; }
    void AdvanceFetch();
    bool Fetching() const { return fetched_ < toFetch_.size(); }

    bool initialised_ = false;
    Mode mode_ = Mode::Closed;
    std::vector<JvServedFile> files_;
    std::vector<std::string> toFetch_;
    size_t fetched_ = 0;
    size_t fileIndex_ = 0;
    bool fileLoaded_ = false;
    std::vector<std::string> records_;
    size_t recordIndex_ = 0;
};

}  // namespace kagiroi
