#include "analysis/PayoutImport.h"
#include "app/RaceDayFetches.h"
#include "odds/MiningImport.h"
#include "odds/OddsImport.h"
#include "odds/TimeSeriesOdds.h"
#include "session/DayLoading.h"

namespace kagiroi {

std::vector<std::string> RaceDayFetches::ImportTargetOdds(int target) {
    DayLoadProblems problems;
    ReadRaceOdds((*c_.book)[target], c_.oddsFiles, problems);
    c_.LogAll(problems.logLines);
    return c_.NotToldYet(problems.unreadableOddsFiles);
}

void RaceDayFetches::OzReadBtnClick(int slot) {
    if (slot < 0 || slot >= kSlotCount) return;
    c_.FlushStore();
    c_.TellUnreadableOdds(ImportTargetOdds(slot));
    race_.RaceDataChanged(slot);
}

void RaceDayFetches::HrReadBtnClick() {
    c_.FlushStore();
    PayoutImportResult result =
        ImportPayouts(*c_.book, c_.HasSelectedRace() ? c_.SelectedRace() : -1);
    c_.LogAll(result.problems);
    race_.RaceDataChanged(-1);
    if (result.refreshSelectedRace && c_.HasSelectedRace()) race_.DatListClick(c_.SelectedRace());
}

void RaceDayFetches::DMReadBtnClick() {
    c_.FlushStore();
    c_.LogAll(ImportMining(*c_.book));
    race_.RaceDataChanged(-1);
}

void RaceDayFetches::CalcBtnClick() {
    ParseAllPayouts(*c_.book);
}

void RaceDayFetches::KeepOddsHistory(const std::string& record) {
    FileFailure failure;
    if (!c_.timeSeries->Keep(record, &failure)) c_.ReportFileFailure(failure);
}

}  // namespace kagiroi
