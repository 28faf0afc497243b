#pragma once

#include "datalink/JvLinkService.h"

#include <functional>
#include <string>
#include <vector>

namespace kagiroi {

// The message for a feed folder that does not exist.
std::string FolderMissingText(const std::string& folder);

// A data service fed from a folder of files holding raw records, one record a line (Shift_JIS;
// CR LF, LF or CR). A record's creation day counts as its last second: stored-data opens offer,
// file by file in name order, the records of the days whose end lies after the from-date, and
// the newest such day-end is the open's stamp, so a download from it finds nothing new.
// Real-time opens offer the records of the asked kind and key from every file. Lines that are
// not sound records (unknown kind, wrong length for the kind, bytes that are not Shift_JIS) are
// skipped and named. A missing folder answers -401 (internal error) to every open, with its
// name in FailureText.
class FolderFeedJvLink : public JvLinkService {
  public:
    explicit FolderFeedJvLink(std::string folder);

    const std::string& Folder() const { return folder_; }
    std::vector<std::string> SkippedLines() const override { return skipped_; }
    std::string FailureText() const override { return failure_; }

  protected:
    JvOffer OfferStored(const JvStoredRequest& request) override;
    JvOffer OfferRealTime(const std::string& dataSpec, const std::string& key) override;

  private:
    bool StartOffer(JvOffer& offer);
    std::vector<std::string> Read(const std::string& name,
                                  const std::function<bool(const std::string&)>& wanted);

    std::string folder_;
    std::vector<std::string> skipped_;  // "file line" of every line that held no record
    std::string failure_;
};

}  // namespace kagiroi
