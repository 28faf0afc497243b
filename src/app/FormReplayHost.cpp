#include "app/FormReplayHost.h"

#include "app/TMainForm.h"
#include "platform/Format.h"

namespace kagiroi {

const std::vector<std::string>& FormReplayHost::Dates() const {
    return form_.dayList_.DateList;
}

int FormReplayHost::ChosenDate() const {
    return form_.DayChosen() ? form_.dayList_.DateIndex : -1;
}

void FormReplayHost::ChooseDate(int index) {
    if (index < 0 || index >= static_cast<int>(Dates().size())) return;
    form_.dayList_.DateIndex = index;
    form_.dayList_.DateText = Dates()[static_cast<size_t>(index)];
    form_.LoadDay(form_.dayList_.DateText, /*startFetches=*/false);
}

const std::vector<std::string>& FormReplayHost::Races() const {
    return form_.dayList_.RaceList;
}

int FormReplayHost::SelectedItem() const {
    return form_.SelectedRace();
}

bool FormReplayHost::ItemShown() const {
    return form_.RaceOnScreen();
}

void FormReplayHost::ClickRace(int item) {
    form_.DatListClick(item);
}

ReplayedRace FormReplayHost::Shown(int dateIndex, int item) const {
    return {dateIndex,
            item,
            form_.Book()[item],
            form_.raceCard_.Header,
            form_.raceCard_.Favourites,
            form_.raceCard_.ResultsPage,
            form_.betting_.Bets};
}

void FormReplayHost::RestoreRace(int item, bool wasShown) {
    if (wasShown) {
        form_.DatListClick(item);
        return;
    }
    // A race that could not be shown stays selected without its message shown again.
    form_.dayList_.SelectedRace = item;
    form_.shownRace_ = -1;
    form_.betting_.Bets.Clear();
    form_.NotifyChanged();
}

void FormReplayHost::ShowProgress(const ReplayProgress* progress) {
    ProgressDialogState& dialog = form_.status_.Progress;
    if (progress == nullptr) {
        dialog.visible = false;
    } else {
        dialog.visible = true;
        dialog.maximum = progress->raceCount;
        dialog.position = progress->race;
        dialog.line1 = progress->dayText;
        if (progress->dayCount > 1)
            dialog.line1 += Format("（%d／%d日目）", progress->day, progress->dayCount);
        dialog.line2 = progress->raceCount > 0
                           ? Format("%s を計算しています（%d／%d）", progress->raceText.c_str(),
                                    progress->race, progress->raceCount)
                           : "レースデータを読み込んでいます。";
    }
    form_.NotifyChanged();
    form_.ports_.ui.Repaint();
}

void FormReplayHost::ReplayStarts() {
    form_.replaying_ = true;
}

void FormReplayHost::ReplayEnds(const ReplaySummary& summary) {
    form_.replaying_ = false;
    if (summary.racesWithoutData > 0)
        form_.ports_.ui.ShowMessage(RacesWithoutDataText(summary.racesWithoutData));
}

}  // namespace kagiroi
