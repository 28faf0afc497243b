#include "app/TMainForm.h"
#include "odds/TimeSeriesOdds.h"

namespace kagiroi {

bool TMainForm::T1Click() {
    std::optional<std::string> folder = timeSeries_->Folder();
    std::optional<std::string> refusal;
    if (!folder)
        refusal = TimeSeriesFolderNotSetText();
    else if (!DayChosen())
        refusal = TimeSeriesNoDayText();
    else
        refusal = TimeSeriesFolderProblem(*folder);
    if (refusal) {
        ports_.ui.Beep();
        ports_.ui.ShowMessage(*refusal);
        return false;
    }
    // Records still waiting in the store would later be written over what the import saves.
    if (!FlushStore()) return false;
    ports_.ui.SetBusyCursor(true);
    TimeSeriesImportResult result = timeSeries_->Import(*book_);
    LogAll(result.logLines);
    if (result.failure) {
        ReportFileFailure(*result.failure);
        ports_.ui.Beep();
        ports_.ui.ShowMessage(result.failure->shown);
    } else {
        ports_.ui.ShowMessage(TimeSeriesImportMessage(result.taken));
    }
    ports_.ui.SetBusyCursor(false);
    oddsFiles_.Invalidate();
    LoadDay(dayList_.DateText);
    return !result.failure;
}

void TMainForm::N12Click() {
    if (auto folder =
            ports_.ui.ChooseFolder(timeSeries_->ChooserCaption(), timeSeries_->ChooserStart()))
        timeSeries_->Choose(*folder);
}

OddsMovement TMainForm::SelectedOddsMovement() const {
    if (!RaceOnScreen()) return {};
    return timeSeries_->Movement(Selected());
}

void TMainForm::KeepOddsHistory(const std::string& record) {
    FileFailure failure;
    if (!timeSeries_->Keep(record, &failure)) ReportFileFailure(failure);
}

}  // namespace kagiroi
