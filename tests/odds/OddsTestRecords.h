#pragma once

#include "daystore/RaceSlot.h"
#include "support/RecordBuilder.h"
#include "support/TempFolder.h"

#include <string>
#include <vector>

namespace kagiroi::test {

inline const std::string kTestDate = "20240106";
inline const std::string kTestDay = "2024年01月06日";

// The race record of a race with `runners` registered runners.
RecordBuilder RaceRecord(const std::string& course, int race, int runners,
                         const std::string& date = kTestDate);

// Win, place and bracket odds of one race; fields are put as the record holds them.
class O1Builder {
  public:
    O1Builder(const std::string& course, int race, const std::string& date = kTestDate);
    O1Builder& Announced(const std::string& mmddhhmm);
    O1Builder& Win(int horse, const std::string& field);
    O1Builder& Place(int horse, const std::string& low, const std::string& high);
    O1Builder& Bracket(int pair, const std::string& odds, const std::string& popularity);
    operator std::string() const { return record_; }

  private:
    RecordBuilder record_;
};

// Trio (O5) or trifecta (O6) odds of one race.
class CombinationOddsBuilder {
  public:
    static CombinationOddsBuilder Trio(const std::string& course, int race,
                                       const std::string& date = kTestDate);
    static CombinationOddsBuilder Trifecta(const std::string& course, int race,
                                           const std::string& date = kTestDate);
    CombinationOddsBuilder& Odds(int index, const std::string& field);
    operator std::string() const { return record_; }

  private:
    CombinationOddsBuilder(const std::string& kind, int length, int entryLength,
                           const std::string& course, int race, const std::string& date);
    RecordBuilder record_;
    int entryLength_;
};

// The mining prediction record of one race; entry h holds runner h.
class DmBuilder {
  public:
    DmBuilder(const std::string& course, int race, const std::string& date = kTestDate);
    DmBuilder& Runner(int horse, const std::string& time, const std::string& plus = "0000",
                      const std::string& minus = "0000");
    operator std::string() const { return record_; }

  private:
    RecordBuilder record_;
};

// Writes the records one after another as a day file, making its folder.
void WriteDayFile(const std::string& path, const std::vector<std::string>& records);

// The day's paths under a test folder's Data folder.
DayPaths TestDayPaths(const TempFolder& folder);

}  // namespace kagiroi::test
