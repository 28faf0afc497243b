#include "stakes/StakedTickets.h"

#include "daystore/RecordLayout.h"
#include "platform/TextField.h"
#include "selection/BetColumns.h"
#include "selection/BetTables.h"

namespace kagiroi {

namespace {
const char* kNoDayMessage = "開催日ﾃﾞｰﾀを読み込んでください。";
const char* kNoRaceMessage = "レースデータを読み込んでください。";
const char* kNoTicketsMessage = "買い目が作成されていません。";
}  // namespace

bool HasStakedTicket(const TextGrid& table, const BetColumns& c, int row) {
    return !IsBlank(table.Cell(c.combination, row)) && !IsBlank(table.Cell(c.odds, row)) &&
           !IsBlank(table.Cell(c.stake, row));
}

bool IsSentTicket(const TextGrid& table, const BetColumns& c, int row) {
    return HasStakedTicket(table, c, row) && Trim(table.Cell(c.strike, row)) != kStrikeMark;
}

void RefuseWithMessage(Ui& ui, const std::string& message) {
    ui.Beep(BeepSound::Default);
    ui.ShowMessage(message);
}

bool RaceDateIsDigits(const std::string& raceInfo) {
    return IsDigits(FieldAt(raceInfo, RaceHead::Date));
}

bool TicketsReadyToSend(const TextGrid& table, BetType type, const TicketSource& source, Ui& ui) {
    if (IsBlank(source.dayText)) {
        RefuseWithMessage(ui, kNoDayMessage);
        return false;
    }
    if (source.race == nullptr || !RaceDateIsDigits(source.race->RaceInfo)) {
        RefuseWithMessage(ui, kNoRaceMessage);
        return false;
    }
    const BetColumns& c = ColumnsOf(type);
    for (int r = 1; r < table.RowCount(); ++r)
        if (HasStakedTicket(table, c, r)) return true;
    RefuseWithMessage(ui, kNoTicketsMessage);
    return false;
}

}  // namespace kagiroi
