#pragma once

#include "records/DayReplay.h"

namespace kagiroi {

class TMainForm;

// The main form as a replay drives it: its date box and race list, through the handlers a
// click runs. Days are loaded without starting the current day's fetches, so a replay never
// brings new records into the day store.
class FormReplayHost final : public ReplayHost {
  public:
    explicit FormReplayHost(TMainForm& form) : form_(form) {}

    const std::vector<std::string>& Dates() const override;
    int ChosenDate() const override;
    void ChooseDate(int index) override;
    const std::vector<std::string>& Races() const override;
    int SelectedItem() const override;
    void ClickRace(int item) override;
    ReplayedRace Shown(int dateIndex, int item) const override;
    void RestoreRace(int item, bool wasShown) override;
    bool ItemShown() const override;
    void ShowProgress(const ReplayProgress* progress) override;
    void ReplayStarts() override;
    void ReplayEnds(const ReplaySummary& summary) override;

  private:
    TMainForm& form_;
};

}  // namespace kagiroi
