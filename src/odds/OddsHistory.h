#pragma once

#include "platform/FileSystem.h"

#include <string>

namespace kagiroi {

// Kagiroi's own time-series odds: every odds record a race-day fetch stores is kept in the
// program folder's history, one file per race and kind in the time-series layout, one record a
// line in the order fetched. An announcement is kept once: a record of an announcement time
// already there takes that line's place, so a race's file never grows past one line per
// announcement however often the same odds are fetched.
class OddsHistory {
  public:
    explicit OddsHistory(std::string programFolder);

    const std::string& Folder() const { return folder_; }
    // Keeps one fetched record (with or without its CR LF) as the day file stores it. True when
    // kept or when there is nothing to keep (not an odds record, a record that cannot make a
    // file name, an announcement already there); false, with `failure`, when the race's file
    // cannot be read (it is left as it is) or written.
    bool Keep(const std::string& record, FileFailure* failure = nullptr);

  private:
    std::string folder_;
};

}  // namespace kagiroi
