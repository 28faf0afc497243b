#include "app/TMainForm.h"
#include "odds/TimeSeriesOdds.h"

namespace kagiroi {

bool TMainForm::T1Click() {
    std::optional<std::string> folder = c_.timeSeries->ImportFolder();
    std::optional<std::string> refusal;
    if (!folder)
        refusal = TimeSeriesFolderNotSetText();
    else if (!c_.DayChosen())
        refusal = TimeSeriesNoDayText();
    else
        refusal = TimeSeriesFolderProblem(*folder);
    if (refusal) {
        c_.ports.ui.Beep();
        c_.ports.ui.ShowMessage(*refusal);
        return false;
    }
    // Records still waiting in the store would later be written over what the import saves.
    if (!c_.FlushStore()) return false;
    c_.ports.ui.SetBusyCursor(true);
    TimeSeriesImportResult result = c_.timeSeries->Import(*c_.book);
    c_.LogAll(result.logLines);
    if (result.failure) {
        c_.ReportFileFailure(*result.failure);
        c_.ports.ui.Beep();
        c_.ports.ui.ShowMessage(result.failure->shown);
    } else {
        c_.ports.ui.ShowMessage(TimeSeriesImportMessage(result.taken));
    }
    c_.ports.ui.SetBusyCursor(false);
    c_.oddsFiles.Invalidate();
    LoadDay(c_.dayList.DateText);
    return !result.failure;
}

}  // namespace kagiroi
