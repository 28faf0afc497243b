#pragma once

#include "app/TMainForm.h"
#include "cli/CliOptions.h"
#include "cli/ConsoleUi.h"
#include "datalink/ChosenSourceJvLink.h"
#include "platform/Clock.h"
#include "platform/Registry.h"
#include "platform/SettingsFile.h"

#include <memory>
#include <string>
#include <vector>

namespace kagiroi {

// Everything one run of kagiroi-cli works with: the same program folder, settings, day store
// and data service as the desktop program, and the main window's state and handlers.
class CliSession {
  public:
    CliSession(const std::string& programFolder, const CliOptions& options);

    // The main window's start-up; false (with a message) when it cannot start.
    bool Start();
    TMainForm& Form() { return *form_; }
    ConsoleUi& Ui() { return ui_; }
    ChosenSourceJvLink& DataService() { return *jvLink_; }
    DateTime Now() const { return clock_->Now(); }

    // Writes a Shift_JIS text to standard output in the chosen encoding.
    void Print(const std::string& sjis);
    // Rows of cells, tab-separated, one line each.
    void PrintRows(const std::vector<std::vector<std::string>>& rows);

    // Loads DAY (yyyy-mm-dd); false with a message when the store has no such day or it has no
    // races.
    bool LoadDay(const std::string& day);
    // Selects RACE (a 1-based list number or "CC-RR") as a click on it; false with a message.
    bool SelectRace(const std::string& race);

  private:
    std::string programFolder_;
    ConsoleUi ui_;
    std::string unreadableNow_;  // a KAGIROI_NOW that did not read
    std::unique_ptr<Clock> clock_;
    HeldClipboard clipboard_;
    std::unique_ptr<Shell> shell_;
    std::unique_ptr<Registry> registry_;
    SettingsFile settings_;
    std::unique_ptr<ChosenSourceJvLink> jvLink_;
    std::unique_ptr<TMainForm> form_;
};

// The list item of a race given as "N" (1-based) or "CC-RR" (course code, race number); -1 when
// the loaded day has no such race.
int RaceListItem(const TMainForm& form, const std::string& race);

}  // namespace kagiroi
