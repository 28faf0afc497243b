#pragma once

#include "daystore/StoreRules.h"
#include "platform/FileSystem.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kagiroi {

// The per-day cache files: one fixed-length record a line. Keyed files (race, payout, odds,
// mining, change files) hold one line per key, sorted; the runner file of a day and racecourse
// holds 216 lines, one per race and horse number.
//
// Stores are coalesced: a file is loaded once, changed in memory record by record exactly as a
// store straight into the file would change it, and written whole and atomically by Flush. The
// files on disk are therefore byte for byte what storing record by record gives, and a crash
// leaves every file as it was or complete. Flush before anything reads the day files.
//
// Flush holds the program folder's lock; a file that another program rewrote since it was
// loaded is read again there and this store's records are stored into it anew, so neither
// program's records are lost.
//
// A day file that exists but cannot be read takes no records and is never rewritten: rebuilding
// it from the one new record would lose every other race.
class DayStore {
  public:
    explicit DayStore(std::string programFolder);
    ~DayStore();
    DayStore(const DayStore&) = delete;
    DayStore& operator=(const DayStore&) = delete;

    // Stores one record that has passed its route's filter. False when it is not stored: a
    // malformed record, a date or racecourse code that cannot make a file name, a runner
    // outside the 216 slots, a real-time race or runner record for a day without its file, or
    // a record for a file that cannot be read.
    bool Store(const std::string& record, StoreRoute route);

    // Writes every changed file; false when one could not be written (it stays pending) or
    // records were refused because their file could not be read. `failure` names the first
    // such file and says that its records were not stored.
    bool Flush(FileFailure* failure = nullptr);
    bool HasPendingWrites() const;
    // Whether this file holds stores that have not reached the disk.
    bool IsPending(const std::string& path) const;

    // Where the flushes that no caller waits for (the cache trimming, the destructor) report.
    void ReportFailuresTo(FailureReport report) { report_ = std::move(report); }

    // The file a record of this kind and date would go to (empty when it can make no name).
    std::string FileFor(const std::string& record) const;

  private:
    struct CachedFile {
        std::vector<std::string> lines;
        RecordKind kind = RecordKind::Other;
        std::optional<FileStamp> stamp;   // the version loaded (taken before the read)
        std::vector<std::string> stored;  // lines stored since the last write, in order
        size_t storedBytes = 0;
        bool exists = false;
        bool dirty = false;
        size_t bytes = 0;
        bool unreadable = false;
        int refused = 0;  // records not stored because the file could not be read
        FileError readError;
    };

    CachedFile& Cached(const std::string& path, RecordKind kind);
    // Reads the file again and stores its pending lines into what it holds now.
    bool Reload(const std::string& path, CachedFile& file, FileError& error);
    bool Apply(CachedFile& file, std::string line);
    bool WriteOut(const std::string& path, CachedFile& file, FileError& error);
    void StoreKeyed(CachedFile& file, RecordKind kind, std::string line);
    bool StoreRunner(CachedFile& file, std::string line);
    void KeepCacheSmall();
    void FlushAndReport();

    std::string programFolder_;
    std::map<std::string, CachedFile> cache_;
    size_t cachedBytes_ = 0;
    FailureReport report_;
};

// A new runner file: 216 lines of 553 blanks.
std::vector<std::string> BlankRunnerLines();

}  // namespace kagiroi
