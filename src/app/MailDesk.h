#pragma once

#include "app/MainFormContext.h"
#include "app/RaceDesk.h"

#include <memory>
#include <string>
#include <vector>

namespace kagiroi {

class Mailer;
class TMailSetForm;
class UiThread;
struct MainFormProbe;

// Mail and delivery: the mail part, the settings dialog, and the delivery of the selected
// race's tickets by hand (配信) or on the timer (買い目を転送する).
class MailDesk {
  public:
    MailDesk(MainFormContext& context, RaceDesk& race);
    ~MailDesk();
    MailDesk(const MailDesk&) = delete;
    MailDesk& operator=(const MailDesk&) = delete;

    // Gives the form its mail part, whose events run through `uiThread` (the window's event
    // loop, or the command line's queue). Until then the mail commands do nothing.
    void AttachMail(UiThread& uiThread);
    // Before `uiThread` goes: the mail part ends, hanging up a delivery under way.
    void DetachMail();
    // The mail settings dialog (ﾒｰﾙ設定) over this form's settings, its events through `uiThread`.
    TMailSetForm MailSettingsDialog(UiThread& uiThread);
    void ToggleDelivery();  // 買い目を転送する
    bool DeliveryChecked() const;
    void DeliverTimerTick();
    // 配信: the delivery text of the selected race, then mailed.
    void PrepareDelivery();
    const std::vector<std::string>& DeliveryText() const { return deliveryText_; }
    // Whether the last delivery's mail is still under way, and whether the server took it.
    bool DeliverySending() const;
    bool DeliverySent() const;
    // Another day was loaded: its races have not been delivered yet.
    void DayLoaded();

  private:
    // Tests reach the mail part through it.
    friend struct MainFormProbe;

    MainFormContext& c_;
    RaceDesk& race_;
    std::unique_ptr<Mailer> mailer_;
    std::vector<std::string> deliveryText_;
};

}  // namespace kagiroi
