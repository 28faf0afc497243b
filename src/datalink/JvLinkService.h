#pragma once

#include "datalink/JvLink.h"
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
    // Stops the download and closes the open request, so the next open starts afresh.
    int JVCancel() override;
    int JVClose() override;

    bool IsInitialised() const { return initialised_; }
    bool IsOpen() const { return mode_ != Mode::Closed; }

  protected:
    virtual JvOffer OfferStored(const JvStoredRequest& request) = 0;
    virtual JvOffer OfferRealTime(const std::string& dataSpec, const std::string& key) = 0;
    // A file of the current download has been fetched.
    virtual void FileFetched(const std::string& /*name*/) {}

  private:
    enum class Mode { Closed, Stored, RealTime };

    void Start(Mode mode, JvOffer offer);
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

// Result codes of the service.
namespace jv {
inline constexpr int kNoNewerData = -1;
inline constexpr int kFileChanged = -1;
inline constexpr int kDownloading = -3;
inline constexpr int kNoSid = -101;
inline constexpr int kSidTooLong = -102;
inline constexpr int kSidStartsWithBlank = -103;
inline constexpr int kBadDataSpec = -111;
inline constexpr int kBadFromDate = -112;
inline constexpr int kBadKey = -114;
inline constexpr int kBadOption = -115;
inline constexpr int kNotInitialised = -201;
inline constexpr int kStillOpen = -202;
inline constexpr int kNotOpen = -203;
inline constexpr int kInternalError = -401;
}  // namespace jv

}  // namespace kagiroi
