#include "analysis/EighteenRunnerRace.h"

#include "analysis/IndexTable.h"
#include "odds/MiningImport.h"
#include "odds/OddsImport.h"
#include "odds/OddsTestRecords.h"
#include "platform/Format.h"
#include "platform/TextField.h"
#include "racing/KeibaFunc.h"

#include <stdexcept>

namespace kagiroi::test {

namespace {

constexpr int kRunners = 18;
const char* const kWinOdds[kRunners] = {"0450", "0024", "0065", "----", "0120", "0040",
                                        "0888", "0190", "0305", "0090", "1500", "0250",
                                        "0600", "2000", "0150", "1100", "0700", "1300"};

std::string RunnerRecord(int horse) {
    RecordBuilder se("SE", kSeLength);
    se.Key(kTestDate, "06", 1, 2, 11)
        .PutNumber(28, BracketOf(kRunners, horse), 1)
        .PutNumber(29, horse, 2)
        .Put(41, Format("ﾃｽﾄﾎｰｽ%02d", horse), 36)
        .Put(79, horse % 2 == 0 ? "2" : "1")
        .PutNumber(83, 3 + horse % 3, 2)
        .Put(289, "570")
        .Put(307, Format("騎手%02d", horse), 8);
    if (horse == 2) se.Put(335, "01").Put(360, "0024").Put(364, "01");
    if (horse == 6) se.Put(335, "02").Put(360, "0040").Put(364, "02");
    if (horse == 5) se.Put(538, "11300").Put(543, "0010").Put(547, "0020");
    return se;
}

}  // namespace

EighteenRunnerRace::EighteenRunnerRace()
    : table(kIndexTableColumns, 1), horses(5, 1), book_(std::make_unique<DayBook>()) {
    book_->paths = TestDayPaths(folder_);
    RaceSlot& slot = Slot();
    RecordBuilder ra = RaceRecord("06", 11, kRunners);
    ra.Key(kTestDate, "06", 1, 2, 11);
    slot.RaceInfo = ra;
    O1Builder o1("06", 11);
    o1.Announced("01061530");
    for (int h = 1; h <= kRunners; ++h) {
        slot.RunnerInfo[static_cast<size_t>(h)] = RunnerRecord(h);
        o1.Win(h, kWinOdds[h - 1]);
        if (h == 4)
            o1.Place(h, "----", "----");
        else
            o1.Place(h, Format("%04d", 10 + h), Format("%04d", 20 + h));
    }
    WriteDayFile(book_->paths.o1File, {o1});
    WriteDayFile(book_->paths.miningFile, {DmBuilder("06", 11)
                                               .Runner(1, "11234")
                                               .Runner(2, "11210")
                                               .Runner(3, "11210")
                                               .Runner(5, "11500")});
    OddsFiles files(book_->paths);
    if (!ImportOdds(slot, files).empty() || !ImportMining(*book_).empty())
        throw std::runtime_error("the race's files did not import cleanly");
    SetUpIndexTable(table);
    PrepareRaceGrids(table, horses, kRunners);
    FillIndexTable(table, horses, slot);
}

std::string HorseOrder(const TextGrid& table) {
    std::string order;
    for (int r = 1; r < table.RowCount(); ++r)
        order += (r > 1 ? "," : "") + Trim(table.Cell(1, r));
    return order;
}

}  // namespace kagiroi::test
