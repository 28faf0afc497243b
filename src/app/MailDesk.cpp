#include "app/MailDesk.h"

#include "daystore/RecordLayout.h"
#include "mail/DeliveryText.h"
#include "mail/Mailer.h"
#include "mail/TMailSetForm.h"
#include "platform/TextField.h"

namespace kagiroi {

MailDesk::MailDesk(MainFormContext& context, RaceDesk& race) : c_(context), race_(race) {}

MailDesk::~MailDesk() = default;

void MailDesk::AttachMail(UiThread& uiThread) {
    mailer_ = std::make_unique<Mailer>(c_.settings, c_.ports.ui, c_.errorLog, uiThread,
                                       c_.ports.clock, [this](const std::string& text) {
                                           c_.status.DownloadLabel.text = text;
                                           c_.NotifyChanged();
                                       });
}

void MailDesk::DetachMail() {
    mailer_.reset();
    c_.timers.DeliverTimer.enabled = false;
}

TMailSetForm MailDesk::MailSettingsDialog(UiThread& uiThread) {
    return TMailSetForm(c_.settings, c_.ports.ui, uiThread, c_.ports.clock);
}

void MailDesk::ToggleDelivery() {
    if (!mailer_) return;
    mailer_->ToggleDelivery();
    c_.timers.DeliverTimer.enabled = mailer_->Delivering();
    c_.NotifyChanged();
}

bool MailDesk::DeliveryChecked() const {
    return mailer_ && mailer_->Delivering();
}

bool MailDesk::DeliverySending() const {
    return mailer_ && mailer_->Sending();
}

bool MailDesk::DeliverySent() const {
    return mailer_ && mailer_->Sent();
}

void MailDesk::DayLoaded() {
    if (mailer_) mailer_->ClearDelivered();
}

void MailDesk::DeliverTimerTick() {
    if (!mailer_ || Trim(c_.dayList.DateText).empty() || c_.autoOddsBusy) return;
    deliveryText_.clear();
    std::vector<DeliveryCandidate> races;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const RaceSlot& race = (*c_.book)[slot];
        races.push_back(
            {slot, NumberAt(race.O1Copy, RaceHead::RaceNumber) > 0, race.FetchTimes[2]});
    }
    for (const int slot : mailer_->TakeDueRaces(races, c_.ports.clock.Now())) {
        race_.DatListClick(slot);
        PrepareDelivery();
    }
}

void MailDesk::PrepareDelivery() {
    deliveryText_.clear();
    if (!c_.HasSelectedRace()) return;
    deliveryText_.push_back(DeliveryHeading(c_.CourseRaceText(c_.SelectedRace())));
    // Tickets only from a race whose tables are on screen, never from the earlier race's.
    if (c_.RaceOnScreen()) deliveryText_ = DeliveryLines(deliveryText_.front(), c_.session.Bets());
    if (mailer_) mailer_->Deliver(deliveryText_);
}

}  // namespace kagiroi
