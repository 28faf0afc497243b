#pragma once

#include "app/MainFormViews.h"
#include "daystore/DayStore.h"
#include "daystore/RaceSlot.h"
#include "odds/OddsFiles.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/ErrorLog.h"
#include "platform/Registry.h"
#include "platform/SettingsFile.h"
#include "platform/Shell.h"
#include "records/TLossRegForm.h"
#include "session/RaceSession.h"
#include "session/RaceSettings.h"
#include "stakes/PopularityRates.h"
#include "stakes/Progression.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kagiroi {

class JvLink;
class TimeSeriesOdds;

// The ports the main window works through.
struct MainFormPorts {
    Ui& ui;
    Clock& clock;
    Clipboard& clipboard;
    Shell& shell;
    Registry& registry;
};

// What the main window's parts share: the loaded day, the views the window paints, the
// settings, store and log, and the selected race's session. Each part holds it by reference,
// so no part needs the form itself. (Its unique_ptr members already keep it from being copied.)
class MainFormContext {
  public:
    MainFormContext(std::string folder, MainFormPorts formPorts, JvLink& link);
    ~MainFormContext();

    void NotifyChanged();
    // A file that could not be read or written: told in the status line (the download label)
    // and in the error log.
    void ReportFileFailure(const FileFailure& failure);
    // Writes the store's pending records; false (reported) when some could not be stored.
    bool FlushStore();
    void LogAll(const std::vector<std::string>& lines);
    // True when `day` is today's date in the date box's form.
    bool IsToday(const std::string& day) const;
    bool DayChosen() const;
    // False (with a beep and the message, unless quiet) when no day is loaded.
    bool RequireLoadedDay(bool quiet);
    int DayDateNumber() const;
    std::string CourseRaceText(int slot) const;
    // The analysis settings, read again only when the settings file changed since last read.
    const RaceSettings& FreshRaceSettings();
    // Of the unreadable odds files, those not told yet for this day (now counted as told).
    std::vector<std::string> NotToldYet(const std::vector<std::string>& unreadable);
    void TellUnreadableOdds(const std::vector<std::string>& files);

    int SelectedRace() const { return dayList.SelectedRace; }
    RaceSlot& Selected() { return (*book)[SelectedRace()]; }
    const RaceSlot& Selected() const { return (*book)[SelectedRace()]; }
    bool HasSelectedRace() const { return SelectedRace() >= 0 && SelectedRace() < kSlotCount; }
    // The selected race is the one whose tables the screen shows: false after a click on a race
    // without data, which keeps the earlier race on screen.
    bool RaceOnScreen() const { return HasSelectedRace() && shownRace == SelectedRace(); }

    std::string programFolder;
    MainFormPorts ports;
    JvLink& jvLink;
    SettingsFile settings;
    ErrorLog errorLog;
    DayStore store;
    std::unique_ptr<DayBook> book;
    std::unique_ptr<TLossRegForm> lossReg;
    std::unique_ptr<ProgressionPanel> progression;
    OddsFiles oddsFiles;
    std::unique_ptr<TimeSeriesOdds> timeSeries;
    int fileFailures = 0;
    std::string lastFileFailure;
    int shownRace = -1;  // the slot whose tables the screen shows
    bool autoOddsBusy = false;
    std::vector<std::string> unreadableOddsFiles;
    DayListView dayList;
    StatusView status;
    BettingView betting;
    MainFormTimers timers;
    // From the load of today until the first timed change fetch has ended, every change fetch
    // runs quiet.
    bool firstChangeFetchPending = false;
    PopularityRateTables rates;
    // What a race is analysed with, read when a day loads or a settings dialog closes.
    RaceSettings raceSettings;
    std::optional<std::optional<FileStamp>> raceSettingsStamp;  // the file as last read
    // The selected race as the screen shows it; its tables are the window's grids.
    RaceSession session{rates};
    // Set by a download's cancel; read by every read loop.
    bool downloadCancelFlag = false;
    // How long a race-day read waits for a service that keeps answering "downloading".
    int realTimeMaxWaitMs;
    std::function<void()> changed;
};

}  // namespace kagiroi
