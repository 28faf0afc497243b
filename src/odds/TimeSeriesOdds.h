#pragma once

#include "daystore/RaceSlot.h"
#include "odds/OddsHistory.h"
#include "odds/OddsMovement.h"
#include "odds/TimeSeriesImport.h"
#include "platform/SettingsFile.h"

#include <optional>
#include <string>

namespace kagiroi {

// The main window's time-series odds: the folder the import reads (a viewer's, or Kagiroi's own
// history), the history every race-day fetch adds to, and the movement of a race's odds.
class TimeSeriesOdds {
  public:
    TimeSeriesOdds(std::string programFolder, SettingsFile& settings);

    // The chosen time-series folder; nothing while it is blank or the program folder itself.
    std::optional<std::string> Folder() const;
    // The folder the import reads: the chosen one; while none is chosen (blank), the history
    // once a fetch has kept one. Nothing otherwise.
    std::optional<std::string> ImportFolder() const;
    // The folder the movement chart reads: the chosen one, else the history.
    std::string ChartFolder() const;
    // The choice names the program's own history (as earlier versions wrote at start-up): the
    // start-up takes it as blank, so a viewer installed later is found.
    bool ChoiceIsOwnHistory() const;
    // N12Click: the folder chooser's caption and start, and the choice written back.
    std::string ChooserCaption() const;
    std::string ChooserStart() const;
    void Choose(const std::string& folder);

    // Keeps a record a race-day fetch stored; false (with the failure) when its file could not
    // be read or written.
    bool Keep(const std::string& record, FileFailure* failure) {
        return history_.Keep(record, failure);
    }
    TimeSeriesImportResult Import(const DayBook& book) const;
    OddsMovement Movement(const RaceSlot& slot) const;

  private:
    std::string StoredFolder() const;

    std::string programFolder_;
    SettingsFile& settings_;
    OddsHistory history_;
};

}  // namespace kagiroi
