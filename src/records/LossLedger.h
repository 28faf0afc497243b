#pragma once

#include "platform/FileSystem.h"
#include "platform/QuotedCsv.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kagiroi {

// The loss ledger kept for progression betting: one entry per race, in "ruison.csv" of the
// program folder, each line four double-quoted fields: number, race, bet type, amount.
struct LossEntry {
    std::string number;  // "%2d"
    std::string race;    // 2009/03/15中山11R
    std::string betType;
    std::string amount;  // "%7d", negative for a profit
};

// The most an amount box takes: six digits with its sign.
inline constexpr int64_t kLargestLedgerAmount = 999999;

class LossLedger {
  public:
    explicit LossLedger(std::string path);

    const std::string& Path() const { return path_; }
    // Reads the file; a missing or empty file is an empty ledger. A line whose amount is not a
    // number of up to six digits with its sign stays out of the ledger and is written back as
    // it was; the result tells of each such line, for the error log.
    std::vector<std::string> Load();
    // False when the file was there but could not be read: saving would replace it by what
    // little the ledger holds now.
    bool Readable() const { return !readError_; }
    const std::optional<FileError>& ReadError() const { return readError_; }
    // Writes the ledger whole; refused (false) when the file could not be read.
    bool Save(FileError* error = nullptr) const;

    std::vector<LossEntry> Entries() const;
    int EntryCount() const;
    // Entry `index` (0-based); -1 when no entry has this race.
    int FindRace(const std::string& race) const;
    void Add(LossEntry entry);
    void Replace(int index, LossEntry entry);
    // Removes the entry and numbers the rest "%2d" from 1.
    void Remove(int index);
    // Removes every entry; lines that could not be read stay.
    void Clear();

    // The sum of the amounts (each read as an integer, 0 when blank).
    int64_t CumulativeLoss() const;
    // "%8d" of the cumulative loss, blank for an empty ledger.
    std::string CumulativeLossText() const;

  private:
    // A line of the file: an entry, or a line kept as it was read.
    struct Line {
        LossEntry entry;
        std::string kept;
        bool damaged = false;
    };
    Line* EntryLine(int index);

    std::string path_;
    std::vector<Line> lines_;
    std::optional<FileError> readError_;
};

// An amount as the ledger keeps it: blanks around a sign and at most six digits.
bool IsLedgerAmount(const std::string& text);

}  // namespace kagiroi
