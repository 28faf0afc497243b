#include "app/TMainForm.h"
#include "daystore/RecordLayout.h"
#include "mail/DeliveryText.h"
#include "mail/Mailer.h"
#include "mail/TMailSetForm.h"
#include "platform/TextField.h"

namespace kagiroi {

void TMainForm::AttachMail(UiThread& uiThread) {
    mailer_ = std::make_unique<Mailer>(settings_, ports_.ui, errorLog_, uiThread, ports_.clock,
                                       [this](const std::string& text) {
                                           status_.DownloadLabel.text = text;
                                           NotifyChanged();
                                       });
}

void TMainForm::DetachMail() {
    mailer_.reset();
    timers_.DeliverTimer.enabled = false;
}

TMailSetForm TMainForm::MailSettingsDialog(UiThread& uiThread) {
    return TMailSetForm(settings_, ports_.ui, uiThread, ports_.clock);
}

void TMainForm::ToggleDelivery() {
    if (!mailer_) return;
    mailer_->ToggleDelivery();
    timers_.DeliverTimer.enabled = mailer_->Delivering();
    NotifyChanged();
}

bool TMainForm::DeliveryChecked() const {
    return mailer_ && mailer_->Delivering();
}

bool TMainForm::DeliverySending() const {
    return mailer_ && mailer_->Sending();
}

bool TMainForm::DeliverySent() const {
    return mailer_ && mailer_->Sent();
}

void TMainForm::DeliverTimerTick() {
    if (!mailer_ || Trim(dayList_.DateText).empty() || autoOddsBusy_) return;
    deliveryText_.clear();
    std::vector<DeliveryCandidate> races;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const RaceSlot& race = Book()[slot];
        races.push_back(
            {slot, NumberAt(race.O1Copy, RaceHead::RaceNumber) > 0, race.FetchTimes[2]});
    }
    for (const int slot : mailer_->TakeDueRaces(races, ports_.clock.Now())) {
        DatListClick(slot);
        PrepareDelivery();
    }
}

void TMainForm::PrepareDelivery() {
    deliveryText_.clear();
    if (!HasSelectedRace()) return;
    deliveryText_.push_back(DeliveryHeading(CourseRaceText(SelectedRace())));
    // Tickets only from a race whose tables are on screen, never from the earlier race's.
    if (RaceOnScreen()) deliveryText_ = DeliveryLines(deliveryText_.front(), Bets());
    if (mailer_) mailer_->Deliver(deliveryText_);
}

}  // namespace kagiroi
