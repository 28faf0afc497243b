#include "odds/OddsTestRecords.h"

#include "daystore/DayFiles.h"
#include "platform/FileSystem.h"

#include <stdexcept>

namespace kagiroi::test {

RecordBuilder RaceRecord(const std::string& course, int race, int runners,
                         const std::string& date) {
    RecordBuilder record("RA", kRaLength);
    record.Key(date, course, 1, 1, race).PutNumber(882, runners, 2);
    return record;
}

O1Builder::O1Builder(const std::string& course, int race, const std::string& date)
    : record_("O1", kO1Length) {
    record_.Key(date, course, 1, 1, race);
}

O1Builder& O1Builder::Announced(const std::string& mmddhhmm) {
    record_.Put(28, mmddhhmm, 8);
    return *this;
}

O1Builder& O1Builder::Win(int horse, const std::string& field) {
    record_.PutNumber(44 + 8 * (horse - 1), horse, 2).Put(46 + 8 * (horse - 1), field, 4);
    return *this;
}

O1Builder& O1Builder::Place(int horse, const std::string& low, const std::string& high) {
    int at = 12 * (horse - 1);
    record_.PutNumber(268 + at, horse, 2).Put(270 + at, low, 4).Put(274 + at, high, 4);
    return *this;
}

O1Builder& O1Builder::Bracket(int pair, const std::string& odds, const std::string& popularity) {
    int at = 9 * (pair - 1);
    record_.Put(606 + at, odds, 5).Put(611 + at, popularity, 2);
    return *this;
}

CombinationOddsBuilder::CombinationOddsBuilder(const std::string& kind, int length, int entryLength,
                                               const std::string& course, int race,
                                               const std::string& date)
    : record_(kind, length), entryLength_(entryLength) {
    record_.Key(date, course, 1, 1, race);
}

CombinationOddsBuilder CombinationOddsBuilder::Trio(const std::string& course, int race,
                                                    const std::string& date) {
    return CombinationOddsBuilder("O5", kO5Length, 15, course, race, date);
}

CombinationOddsBuilder CombinationOddsBuilder::Trifecta(const std::string& course, int race,
                                                        const std::string& date) {
    return CombinationOddsBuilder("O6", kO6Length, 17, course, race, date);
}

CombinationOddsBuilder& CombinationOddsBuilder::Odds(int index, const std::string& field) {
    int width = entryLength_ == 15 ? 6 : 7;
    record_.Put(47 + entryLength_ * (index - 1), field, width);
    return *this;
}

DmBuilder::DmBuilder(const std::string& course, int race, const std::string& date)
    : record_("DM", kDmLength) {
    record_.Key(date, course, 1, 1, race);
}

DmBuilder& DmBuilder::Runner(int horse, const std::string& time, const std::string& plus,
                             const std::string& minus) {
    int at = 15 * (horse - 1);
    record_.PutNumber(32 + at, horse, 2)
        .Put(34 + at, time, 5)
        .Put(39 + at, plus, 4)
        .Put(43 + at, minus, 4);
    return *this;
}

void WriteDayFile(const std::string& path, const std::vector<std::string>& records) {
    std::string data;
    for (const auto& record : records)
        data += record;
    if (!MakeDirectories(FolderOf(path)) || !WriteFileAtomic(path, data))
        throw std::runtime_error("cannot write " + path);
}

DayPaths TestDayPaths(const TempFolder& folder) {
    return PathsForDay(folder.Path(), kTestDay);
}

}  // namespace kagiroi::test
