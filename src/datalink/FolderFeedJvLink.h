#pragma once

#include "datalink/JvLinkService.h"

#include <string>

namespace kagiroi {

// A data service fed from a folder of files holding raw records, one record a line (Shift_JIS;
// CR LF or LF). Stored-data opens offer, file by file in name order, the records created on or
// after the from-date's day; real-time opens offer the records of the asked kind and key from
// every file. Lines that are not sound records (unknown kind, wrong length for the kind, bytes
// that are not Shift_JIS) are skipped and counted. A missing folder answers -401 (internal
// error) to every open.
class FolderFeedJvLink : public JvLinkService {
  public:
    explicit FolderFeedJvLink(std::string folder);

    const std::string& Folder() const { return folder_; }
    // Lines the last open skipped.
    int MalformedLineCount() const { return malformed_; }

  protected:
    JvOffer OfferStored(const JvStoredRequest& request) override;
    JvOffer OfferRealTime(const std::string& dataSpec, const std::string& key) override;

  private:
    std::string folder_;
    int malformed_ = 0;
};

}  // namespace kagiroi
