#pragma once

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

class LossLedger {
  public:
    explicit LossLedger(std::string path);

    // Reads the file; a missing or empty file is an empty ledger.
    void Load();
    // Writes the ledger whole; refused (false) when the file was there but could not be read,
    // which would otherwise be replaced by what little the ledger holds now.
    bool Save() const;
    const std::vector<LossEntry>& Entries() const { return entries_; }

    // The sum of the amounts (each read as an integer, 0 when blank).
    long long CumulativeLoss() const;
    // "%8d" of the cumulative loss, blank for an empty ledger.
    std::string CumulativeLossText() const;

    // The race list shown beside the ledger: the loaded day's races, one text each.
    std::vector<std::string> RaceList;

  private:
    std::string path_;
    std::vector<LossEntry> entries_;
    bool unreadable_ = false;
};

// Splits one CSV line of quoted fields: quotes removed, commas inside quotes kept.
std::vector<std::string> SplitQuotedCsv(const std::string& line);

}  // namespace kagiroi
