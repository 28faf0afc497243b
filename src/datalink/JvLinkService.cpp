#include "datalink/JvLinkService.h"

#include "datalink/JvRequests.h"

#include <algorithm>

namespace kagiroi {

namespace {

constexpr size_t kMaxSoftwareIdBytes = 63;
// The fetch of a download advances by this share of its files per poll, so that a progress bar
// fills in a few dozen polls whatever the size.
constexpr size_t kPollsPerDownload = 25;

}  // namespace

int JvLinkService::JVInit(const std::string& softwareId) {
    if (softwareId.empty()) return jv::kNoSid;
    if (softwareId.size() > kMaxSoftwareIdBytes) return jv::kSidTooLong;
    if (softwareId.front() == ' ') return jv::kSidStartsWithBlank;
    initialised_ = true;
    return jv::kOk;
}

int JvLinkService::JVOpen(const std::string& dataSpec, const std::string& fromDate, int option,
                          int& readCount, int& downloadCount, std::string& lastFileTimestamp) {
    readCount = 0;
    downloadCount = 0;
    if (!initialised_) return jv::kNotInitialised;
    if (IsOpen()) return jv::kStillOpen;
    if (!IsValidStoredDataSpec(dataSpec)) return jv::kBadDataSpec;
    std::optional<DateTime> from = ParseFromDate(fromDate);
    if (!from) return jv::kBadFromDate;
    if (!IsValidOption(option)) return jv::kBadOption;
    JvOffer offer = OfferStored(JvStoredRequest{dataSpec, *from, option});
    if (offer.code != jv::kOk) return offer.code;
    if (offer.files.empty()) return jv::kNoNewerData;
    readCount = static_cast<int>(offer.files.size());
    downloadCount = static_cast<int>(offer.toFetch.size());
    lastFileTimestamp = offer.newestStamp;
    Start(Mode::Stored, std::move(offer));
    return jv::kOk;
}

int JvLinkService::JVRTOpen(const std::string& dataSpec, const std::string& key) {
    if (!initialised_) return jv::kNotInitialised;
    if (IsOpen()) return jv::kStillOpen;
    if (!IsRealTimeSpec(dataSpec)) return jv::kBadDataSpec;
    if (!IsValidRealTimeKey(dataSpec, key)) return jv::kBadKey;
    JvOffer offer = OfferRealTime(dataSpec, key);
    if (offer.code != jv::kOk) return offer.code;
    if (offer.files.empty()) return jv::kNoNewerData;
    offer.toFetch.clear();  // real-time data come at once
    Start(Mode::RealTime, std::move(offer));
    return jv::kOk;
}

int JvLinkService::JVStatus() {
    if (!initialised_) return jv::kNotInitialised;
    if (!Serving()) return jv::kNotOpen;
    if (Fetching()) AdvanceFetch();
    return static_cast<int>(fetched_);
}

int JvLinkService::JVRead(std::string& record, int /*bufferSize*/, std::string& fileName) {
    if (!initialised_) return jv::kNotInitialised;
    if (!Serving()) return jv::kNotOpen;
    if (Fetching()) {
        AdvanceFetch();  // the download goes on in the background
        return jv::kDownloading;
    }
    if (fileIndex_ >= files_.size()) return jv::kAllRead;
    JvServedFile& file = files_[fileIndex_];
    fileName = file.name;
    if (!fileLoaded_) {
        records_ = file.records();
        recordIndex_ = 0;
        fileLoaded_ = true;
    }
    if (recordIndex_ < records_.size()) {
        record = std::move(records_[recordIndex_++]);
        return static_cast<int>(record.size());
    }
    records_.clear();
    fileLoaded_ = false;
    ++fileIndex_;
    return jv::kFileChanged;
}

int JvLinkService::JVCancel() {
    // The request stays open until its close, as with the component: the cancelled download's
    // close step still has something to close.
    if (mode_ != Mode::Closed) {
        Reset();
        mode_ = Mode::Cancelled;
    }
    return jv::kOk;
}

int JvLinkService::JVClose() {
    if (!initialised_) return jv::kNotInitialised;
    if (mode_ == Mode::Closed) return jv::kNotOpen;
    Reset();
    return jv::kOk;
}

void JvLinkService::Reset() {
    mode_ = Mode::Closed;
    files_.clear();
    toFetch_.clear();
    records_.clear();
    fetched_ = fileIndex_ = recordIndex_ = 0;
    fileLoaded_ = false;
}

void JvLinkService::Start(Mode mode, JvOffer offer) {
    Reset();
    mode_ = mode;
    files_ = std::move(offer.files);
    toFetch_ = std::move(offer.toFetch);
}

void JvLinkService::AdvanceFetch() {
    size_t step = std::max<size_t>(1, toFetch_.size() / kPollsPerDownload);
    size_t until = std::min(toFetch_.size(), fetched_ + step);
    for (; fetched_ < until; ++fetched_)
        FileFetched(toFetch_[fetched_]);
}

}  // namespace kagiroi
