#include "app/TMainForm.h"
#include "daystore/RecordLayout.h"
#include "mail/DeliveryText.h"
#include "platform/TextField.h"

namespace kagiroi {

void TMainForm::AttachMail(UiThread& uiThread) {
    mailer_ = std::make_unique<Mailer>(settings_, ports_.ui, errorLog_, uiThread, ports_.clock,
                                       [this](const std::string& text) {
                                           DownloadLabel.text = text;
                                           NotifyChanged();
                                       });
}

void TMainForm::ToggleDelivery() {
    if (!mailer_) return;
    mailer_->ToggleDelivery();
    DeliverTimer.enabled = mailer_->Delivering();
    NotifyChanged();
}

void TMainForm::DeliverTimerTick() {
    if (!mailer_ || Trim(DateText).empty() || autoOddsBusy_) return;
    DeliveryText.clear();
    std::vector<DeliveryCandidate> races;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const RaceSlot& race = Book()[slot];
        races.push_back(
            {slot, ToInt(Field(race.O1Copy, pos::kRaceNumber, 2)) > 0, race.FetchTimes[2]});
    }
    for (const int slot : mailer_->TakeDueRaces(races, ports_.clock.Now())) {
        DatListClick(slot);
        PrepareDelivery();
    }
}

void TMainForm::PrepareDelivery() {
    DeliveryText.clear();
    if (!HasSelectedRace()) return;
    DeliveryText.push_back(DeliveryHeading(CourseRaceText(SelectedRace)));
    // Tickets only from a race whose tables are on screen, never from the earlier race's.
    if (RaceOnScreen()) DeliveryText = DeliveryLines(DeliveryText.front(), Bets);
    if (mailer_) mailer_->Deliver(DeliveryText);
}

}  // namespace kagiroi
