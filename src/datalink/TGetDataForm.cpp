#include "datalink/TGetDataForm.h"

#include "datalink/JvResultCodes.h"
#include "datalink/JvResultMessage.h"
#include "datalink/ReadLoop.h"
#include "datalink/RealTimeFetch.h"
#include "daystore/RecordLayout.h"
#include "daystore/StoreRules.h"
#include "platform/Format.h"
#include "platform/SettingsTable.h"
#include "platform/TextField.h"
#include "racing/KeibaFunc.h"

namespace kagiroi {

namespace {

constexpr const char* kDataSpec = "RACEDIFFHOSESNAP";
constexpr int kDownloadBuffer = 100000;
constexpr const char* kNoNewData = "最新のデータがありません。";

std::string DateText(const std::string& record) {
    return FieldAt(record, RaceHead::Year) + "年" + FieldAt(record, RaceHead::Month) + "月" +
           FieldAt(record, RaceHead::Day) + "日";
}

std::string Course(const std::string& record) {
    return RacecourseName(FieldAt(record, RaceHead::Course));
}

std::string RaceNumber(const std::string& record) {
    return FieldAt(record, RaceHead::RaceNumber);
}

}  // namespace

std::string StoredRecordLabel(const std::string& record, const std::string& fileName) {
    switch (KindOf(record)) {
        case RecordKind::RA:
            return "開催:" + DateText(record) + Course(record) + RaceNumber(record) + "R";
        case RecordKind::SE:
            return "馬毎:" + Course(record) + RaceNumber(record) + "R/" +
                   CircledNumber(FieldAt(record, SE::Horse)) + FieldAt(record, SE::HorseName);
        case RecordKind::HR:
            return "払戻:" + DateText(record) + Course(record) + RaceNumber(record) + "R";
        case RecordKind::O1:
            return "単勝確定ｵｯｽﾞ:" + RaceNumber(record) + "R/" + fileName;
        case RecordKind::O5:
            return "3連複確定ｵｯｽﾞ:" + RaceNumber(record) + "R/" + fileName;
        case RecordKind::O6:
            return "3連単確定ｵｯｽﾞ:" + RaceNumber(record) + "R/" + fileName;
        default:
            return {};
    }
}

TGetDataForm::TGetDataForm(JvLink& jvLink, DayStore& store, SettingsFile& settings, ErrorLog& log,
                           Ui& ui, const Clock& clock, bool& downloadCancelFlag,
                           AnnouncementKeeper keepAnnouncement)
    : jvLink_(jvLink),
      store_(store),
      settings_(settings),
      log_(log),
      ui_(ui),
      clock_(clock),
      cancelFlag_(downloadCancelFlag),
      keepAnnouncement_(std::move(keepAnnouncement)) {}

TGetDataForm::~TGetDataForm() {
    // A dialog closed in the middle of a download must not leave the service held.
    if (requestOpen_) jvLink_.JVClose();
    jvLink_.Requests().Release(this);
}

void TGetDataForm::Show() {
    if (Changed) Changed();
}

void TGetDataForm::FormCreate() {
    DateTime fallback = AddDays(clock_.Now(), -14);
    std::string stored = ReadTextSetting(settings_, setting::kLastDownload,
                                         FormatDateTime(fallback, "yyyy/mm/dd hh:nn:ss"));
    StartDate = fallback;
    std::optional<DateTime> parsed = ParseDateTime(stored);
    if (parsed && !BeyondTomorrow(*parsed)) {
        StartDate = *parsed;
        return;
    }
    ui_.Beep();
    // A start in the future would make every download find nothing new.
    ui_.ShowMessage(parsed ? "前回取得日時 '" + stored +
                                 "' が現在の日時より先になっています。取得開始日付を既定の日付に"
                                 "しました。"
                           : "'" + stored +
                                 "' は正しい日付ではありません。取得開始日付を確認してください。");
}

bool TGetDataForm::BeyondTomorrow(const DateTime& t) const {
    constexpr int64_t kDaySeconds = 24 * 60 * 60;
    return ToSerialSeconds(t) > ToSerialSeconds(clock_.Now()) + kDaySeconds;
}

void TGetDataForm::ReportSkippedLines() {
    constexpr size_t kLoggedLines = 20;  // a file of garbage must not flood the log
    std::vector<std::string> lines = jvLink_.SkippedLines();
    if (lines.empty()) return;
    for (size_t i = 0; i < lines.size() && i < kLoggedLines; ++i)
        log_.Append("記録として読めない行を読み飛ばしました：" + lines[i]);
    if (lines.size() > kLoggedLines)
        log_.Append(Format("記録として読めない行は他に%d行あります。",
                           static_cast<int>(lines.size() - kLoggedLines)));
    closingNotes_.push_back(
        Format("記録として読めない%d行を読み飛ばしました（ErrorLog.txtに記録）。",
               static_cast<int>(lines.size())));
}

void TGetDataForm::MoveLastTime() {
    std::string stamp = Trim(newestStamp_);
    if (stamp.empty() || stamp == jv::kNoStamp) return;
    std::optional<DateTime> newest = ParseCompactDateTime(stamp);
    if (!newest) return;
    if (BeyondTomorrow(*newest)) {
        // The records are stored; only the start of the next download stays where it was.
        closingNotes_.push_back(
            "最新データの日時が現在の日時より先のため、前回取得日時は更新し"
            "ませんでした。");
        return;
    }
    StartDate = *newest;
    std::string text = FormatDateTime(*newest, "yyyy/mm/dd hh:nn:ss");
    if (!WriteTextSetting(settings_, setting::kLastDownload, text)) {
        summary_.lastTimeNotSaved = true;
        ui_.Beep();
        ui_.ShowMessage(
            "前回取得日時を設定ファイルに書き込めませんでした。次回のデータ取込では同じ"
            "データをもう一度取得します。");
        return;
    }
    summary_.newLastTime = text;
}

void TGetDataForm::StartClick() {
    if (running_) return;
    if (!jvLink_.Requests().Take(this)) {
        ui_.Beep();
        ui_.ShowMessage(ServiceBusyText());
        return;
    }
    ui_.ShowMessage(FormatDateTime(StartDate, "yyyy年mm月dd日hh時nn分ss秒") +
                    "以降のデータ取込を開始します。データ作成が終了するまで本ソフトを操作したり"
                    "他のアプリケーションを操作することは極力避けてください。");
    StatusTimerEnabled = false;
    cancelFlag_ = false;
    DownloadBar.position = 0;
    ReadBar.position = 0;
    summary_ = DownloadSummary{};
    storedPerFile_.clear();
    closingNotes_.clear();

    std::string fromDate = FormatDateTime(StartDate, "yyyymmddhhnnss");
    startNumber_ = ToInt(fromDate.substr(0, 8));
    int option = DataChoice == 1 ? 3 : 1;
    ui_.SetBusyCursor(true);
    running_ = true;
    int rc = jvLink_.JVOpen(kDataSpec, fromDate, option, readCount_, downloadCount_, newestStamp_);
    requestOpen_ = rc == jv::kOk;
    ReportSkippedLines();
    if (rc != jv::kOk || readCount_ == 0) {
        summary_.nothingNew = rc == jv::kNoNewerData || rc == jv::kOk;
        ui_.Beep();
        std::string message = summary_.nothingNew
                                  ? std::string(kNoNewData)
                                  : "JVOpenエラー:" + JvFailureMessage(jvLink_, "JVOpen", rc);
        for (const std::string& note : closingNotes_)
            message += " " + note;
        ui_.ShowMessage(message);
        CloseStep();
        return;
    }
    ProgressText = Format("ReadCount:%d, DownloadCount:%d", readCount_, downloadCount_);
    Show();
    if (downloadCount_ > 0) {
        ProgressText = "ダウンロード中・・・";
        DownloadBar.maximum = downloadCount_;
        StatusTimerEnabled = true;
        Show();
        return;
    }
    DownloadBar = {100, 100};
    ReadLoop();
    CloseStep();
}

void TGetDataForm::StatusTimerTick() {
    if (!StatusTimerEnabled) return;
    int fetched = jvLink_.JVStatus();
    if (fetched < 0) {
        StatusTimerEnabled = false;
        ui_.Beep();
        ui_.ShowMessage("JVStatusエラー:" + JvResultMessage("JVStatus", fetched));
        CloseStep();
        return;
    }
    ProgressText = Format("ダウンロード中．．．(%d/%d)", fetched, downloadCount_);
    DownloadBar.position = std::min(fetched, downloadCount_);
    Show();
    if (fetched < downloadCount_) return;
    StatusTimerEnabled = false;
    ReadLoop();
    CloseStep();
}

void TGetDataForm::StoreRecord(const std::string& record, const std::string& fileName) {
    ++summary_.recordsRead;
    if (IsAnnouncedOdds(record)) {
        // The odds of a moment before the off belong to the history, not to the day's odds.
        FileFailure failure;
        if (keepAnnouncement_ && !keepAnnouncement_(record, &failure)) log_.Append(failure.logged);
        return;
    }
    if (!PassesDownloadFilter(record, startNumber_, FinalOdds)) return;
    if (!store_.Store(record, StoreRoute::Download)) return;
    ++storedPerFile_[store_.FileFor(record)];
    RecordText = StoredRecordLabel(record, fileName);
    Show();
}

void TGetDataForm::ReadLoop() {
    int files = 0;
    ProgressText = Format("データ読込み中．．．(0/%d)", readCount_);
    ReadBar = {readCount_, 0};
    Show();
    ReadLoopHandlers handlers;
    handlers.onRecord = [this](const std::string& r, const std::string& f) { StoreRecord(r, f); };
    handlers.onFileChange = [&] {
        ++files;
        ReadBar.position = std::min(files, readCount_);
        ProgressText = Format("データ読込み中．．．(%d/%d)", files, readCount_);
        RecordText.clear();
        Show();
    };
    ReadLoopResult result = RunReadLoop(jvLink_, ui_, cancelFlag_, kDownloadBuffer, handlers);
    summary_.filesRead = files;

    // What was read is written out before anything else can look at the day files; only what
    // reached the disk counts as stored.
    FileFailure failure;
    bool written = store_.Flush(&failure);
    for (const auto& [path, records] : storedPerFile_)
        if (!store_.IsPending(path)) summary_.recordsStored += records;
    if (!written) {
        ui_.Beep();
        ui_.ShowMessage("データファイルの書き込みに失敗しました。" + failure.shown);
        return;
    }
    if (result.end == ReadLoopEnd::AllRead) {
        ProgressText = Format("データ読込み完了(%d/%d)", files, readCount_);
        // Both bars end full: an empty bar beside "完了" reads as nothing done.
        DownloadBar.position = DownloadBar.maximum;
        ReadBar.position = ReadBar.maximum;
        MoveLastTime();
        ProgressText = "データ作成が完了しました。";
        for (const std::string& note : closingNotes_)
            ProgressText += " " + note;
        summary_.completed = true;
    } else if (result.end == ReadLoopEnd::Failed || result.end == ReadLoopEnd::TimedOut) {
        ui_.Beep();
        // A fault of the bridge is in the log already; the service's own refusal is not.
        if (jvLink_.FailureText().empty())
            log_.Append("JVReadエラー:" + JvResultMessage("JVRead", result.code));
        ui_.ShowMessage("JVReadエラー:" + JvFailureMessage(jvLink_, "JVRead", result.code));
    }
    Show();
}

void TGetDataForm::CloseStep() {
    // After a failed open nothing of this download is open to close.
    int rc = requestOpen_ ? jvLink_.JVClose() : jv::kOk;
    requestOpen_ = false;
    jvLink_.Requests().Release(this);
    ui_.SetBusyCursor(false);
    running_ = false;
    ui_.Beep();
    if (rc != jv::kOk) ui_.ShowMessage("JVCloseエラー:" + JvResultMessage("JVClose", rc));
    Show();
}

void TGetDataForm::CancelClick() {
    if (!ui_.AskYesNo("データ取込を中止します。実行しますか？")) return;
    bool fetching = StatusTimerEnabled;
    StatusTimerEnabled = false;
    // Another command's request is not this dialog's to cancel; the flag still stops its reads.
    if (requestOpen_) jvLink_.JVCancel();
    cancelFlag_ = true;
    ui_.Beep();
    ui_.ShowMessage("JVCancel:キャンセルされました");
    ProgressText = "JVCancel:キャンセルされました";
    // Cancelled while fetching there is no read loop to end: close the service here, or it
    // would still be open when the next download starts.
    if (fetching && requestOpen_) {
        jvLink_.JVClose();
        requestOpen_ = false;
        jvLink_.Requests().Release(this);
        ui_.SetBusyCursor(false);
        running_ = false;
    }
    Show();
}

void TGetDataForm::SettingsClick() {
    int rc = jvLink_.JVSetUIProperties();
    if (rc == jv::kOk) return;
    ui_.Beep();
    ui_.ShowMessage("JVSetUIPropertiesエラー：" +
                    JvFailureMessage(jvLink_, "JVSetUIProperties", rc));
}

}  // namespace kagiroi
