#pragma once

#include "datalink/JvLink.h"
#include "daystore/DayStore.h"
#include "platform/Clock.h"
#include "platform/ErrorLog.h"
#include "platform/FileSystem.h"
#include "platform/SettingsFile.h"
#include "platform/Ui.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace kagiroi {

struct ProgressBar {
    int maximum = 100;
    int position = 0;
};

// What one download did, for summaries and measurements.
struct DownloadSummary {
    int filesRead = 0;
    long long recordsRead = 0;
    long long recordsStored = 0;
    std::string newLastTime;  // empty when LastTime did not move
    bool completed = false;
    bool lastTimeNotSaved = false;  // the settings file refused the new LastTime
    bool nothingNew = false;        // the service had nothing newer than the start date
};

// The download dialog ＪＶデータ取込: asks the data service for everything published since a
// start date, waits while it fetches, then reads every record and stores the wanted ones in the
// day files. One dialog per opening.
class TGetDataForm {
  public:
    // Keeps an odds announcement before the final odds (IsAnnouncedOdds) in the odds history;
    // false, with the failure, when it could not.
    using AnnouncementKeeper = std::function<bool(const std::string& record, FileFailure* failure)>;

    // Without a keeper, announcements a download reads are not kept.
    TGetDataForm(JvLink& jvLink, DayStore& store, SettingsFile& settings, ErrorLog& log, Ui& ui,
                 const Clock& clock, bool& downloadCancelFlag,
                 AnnouncementKeeper keepAnnouncement = {});
    ~TGetDataForm();
    TGetDataForm(const TGetDataForm&) = delete;
    TGetDataForm& operator=(const TGetDataForm&) = delete;

    // Opening: the start date from JvDataGet/LastTime (now minus 14 days when missing). A stored
    // value that does not read as a date-time is reported and the default is used instead.
    void FormCreate();

    // データ取込
    void StartClick();
    // The 10 ms status poll while the service fetches.
    void StatusTimerTick();
    // データ取込中止
    void CancelClick();
    // JV-Link設定
    void SettingsClick();

    // --- State the dialog shows ---
    DateTime StartDate;
    bool FinalOdds = false;  // 確定オッズも合わせて取得する
    int DataChoice = 0;      // 0 通常データ, 1 セットアップデータ
    std::string ProgressText;
    std::string RecordText;  // 作成データ
    ProgressBar DownloadBar;
    ProgressBar ReadBar;
    bool StatusTimerEnabled = false;
    static constexpr int kStatusIntervalMs = 10;
    bool Running() const { return running_; }
    const DownloadSummary& Summary() const { return summary_; }

    std::function<void()> Changed;  // the shown state moved

  private:
    void ReadLoop();
    // LastTime follows the newest stamp of the open, but never beyond tomorrow.
    void MoveLastTime();
    // Lines of the service's files that held no record go to the log and the closing status.
    void ReportSkippedLines();
    bool BeyondTomorrow(const DateTime& t) const;
    void CloseStep();
    void StoreRecord(const std::string& record, const std::string& fileName);
    void Show();

    JvLink& jvLink_;
    DayStore& store_;
    SettingsFile& settings_;
    ErrorLog& log_;
    Ui& ui_;
    const Clock& clock_;
    bool& cancelFlag_;
    AnnouncementKeeper keepAnnouncement_;

    int readCount_ = 0;
    int downloadCount_ = 0;
    int startNumber_ = 0;
    std::string newestStamp_;
    bool running_ = false;
    bool requestOpen_ = false;  // this download's open succeeded and awaits its close
    DownloadSummary summary_;
    std::vector<std::string> closingNotes_;  // added to the closing status
    std::map<std::string, long long> storedPerFile_;
};

// The record label after a stored record (開催:2024年01月06日中山11R, ...); empty for kinds
// that have no label.
std::string StoredRecordLabel(const std::string& record, const std::string& fileName);

}  // namespace kagiroi
