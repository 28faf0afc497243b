#pragma once

#include "mail/TSendMail.h"
#include "platform/Ui.h"

#include <functional>
#include <string>

namespace kagiroi {

// Where a window shows its mail component's progress.
struct MailStatusTarget {
    std::function<void(const std::string& text)> SetStatus;
    // Runs at every outcome (the send button comes back), told whether the mail went; may be
    // empty.
    std::function<void(bool sent)> Ended;
};

// Connects the component's events to the status texts, beeps and boxes every window of the
// program shows for them.
void ShowMailEvents(TSendMail& mail, Ui& ui, MailStatusTarget target);

}  // namespace kagiroi
