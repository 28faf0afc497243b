#pragma once

#include "records/DayReplay.h"
#include "records/ReportText.h"
#include "stakes/FundAllocation.h"

#include <array>
#include <string>
#include <vector>

namespace kagiroi {

// 集計: races bet and hit, stake and return of every bet type over the replayed day.
class TallyReport {
  public:
    explicit TallyReport(const std::string& dayHeading);
    void AddRace(const BetBoard& bets);
    // The header, then one line for each type that had tickets on some race.
    std::vector<std::string> Lines() const;

  private:
    std::string header_;
    std::array<TypeTally, 8> tallies_{};
};

// 検証: the 枠連 tickets race by race, a separator before each change of racecourse, then
// the 枠連 figures of the day.
class VerifyReport {
  public:
    VerifyReport(AllocationMode mode, const std::string& headingDate);
    void AddRace(const ReplayedRace& race);
    std::vector<std::string> Lines() const;

  private:
    std::vector<std::string> lines_;
    std::string previousVenue_;
    bool first_ = true;
    TypeTally tally_;
};

// The fixed HTML pieces of the hit report: its header (H), the fonts of payouts from 10000 yen
// (R) and below (B), their images (I1, I2) and the font's end (E).
enum class HitHtml { Header, HighFont, LowFont, HighImage, LowImage, FontEnd };
const std::string& HitHtmlText(HitHtml piece);

// 的中 (threshold 0) and 穴的中 (5000): every hit trio and trifecta ticket paying more than
// the threshold, as an HTML fragment and as lines of the running hit list.
class HitReport {
  public:
    HitReport(long long threshold, std::vector<std::string> runningList);
    // The first line of a running list that does not exist yet.
    static std::string RunningListStart(const std::string& dayHeading);
    void AddRace(const ReplayedRace& race);
    const std::vector<std::string>& Lines() const { return lines_; }
    const std::vector<std::string>& RunningList() const { return running_; }
    // A day with at most one hit is not worth a report.
    bool WorthSaving() const { return lines_.size() > 2; }

  private:
    void AddTable(const ReplayedRace& race, BetType type);

    long long threshold_;
    std::vector<std::string> lines_;
    std::vector<std::string> running_;
};

}  // namespace kagiroi
