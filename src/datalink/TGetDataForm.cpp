#include "datalink/TGetDataForm.h"

#include "datalink/JvResultMessage.h"
#include "datalink/ReadLoop.h"
#include "daystore/RecordLayout.h"
#include "daystore/StoreRules.h"
#include "platform/Format.h"
#include "platform/TextField.h"
#include "racing/KeibaFunc.h"

namespace kagiroi {

namespace {

constexpr const char* kDataSpec = "RACEDIFFHOSESNAP";
constexpr int kDownloadBuffer = 100000;
constexpr const char* kNoNewData = "最新のデータがありません。";

std::string DateText(const std::string& record) {
    return Field(record, pos::kYear, 4) + "年" + Field(record, pos::kMonthDay, 2) + "月" +
           Field(record, pos::kMonthDay + 2, 2) + "日";
}

std::string Course(const std::string& record) {
    return RacecourseName(Field(record, pos::kCourse, 2));
}

std::string RaceNumber(const std::string& record) {
    return Field(record, pos::kRaceNumber, 2);
}

}  // namespace

std::string StoredRecordLabel(const std::string& record, const std::string& fileName) {
    switch (KindOf(record)) {
        case RecordKind::RA:
            return "開催:" + DateText(record) + Course(record) + RaceNumber(record) + "R";
        case RecordKind::SE:
            return "馬毎:" + Course(record) + RaceNumber(record) + "R/" +
                   CircledNumber(Field(record, pos::kSeHorse, 2)) +
                   Field(record, pos::kSeHorseName, 36);
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

TGetDataForm::TGetDataForm(JvLink& jvLink, DayStore& store, SettingsFile& settings, Ui& ui,
                           const Clock& clock, bool& downloadCancelFlag)
    : jvLink_(jvLink),
      store_(store),
      settings_(settings),
      ui_(ui),
      clock_(clock),
      cancelFlag_(downloadCancelFlag) {}

void TGetDataForm::Show() {
    if (Changed) Changed();
}

void TGetDataForm::FormCreate() {
    DateTime fallback = AddDays(clock_.Now(), -14);
    std::string stored = settings_.ReadString("JvDataGet", "LastTime",
                                              FormatDateTime(fallback, "yyyy/mm/dd hh:nn:ss"));
    if (auto parsed = ParseDateTime(stored)) {
        StartDate = *parsed;
        return;
    }
    StartDate = fallback;
    ui_.Beep();
    ui_.ShowMessage("'" + stored +
                    "' は正しい日付ではありません。取得開始日付を確認してください。");
}

void TGetDataForm::StartClick() {
    if (running_) return;
    ui_.ShowMessage(FormatDateTime(StartDate, "yyyy年mm月dd日hh時nn分ss秒") +
                    "以降のデータ取込を開始します。データ作成が終了するまで本ソフトを操作したり"
                    "他のアプリケーションを操作することは極力避けてください。");
    StatusTimerEnabled = false;
    cancelFlag_ = false;
    DownloadBar.position = 0;
    ReadBar.position = 0;
    summary_ = DownloadSummary{};

    std::string fromDate = FormatDateTime(StartDate, "yyyymmddhhnnss");
    startNumber_ = ToInt(fromDate.substr(0, 8));
    int option = DataChoice == 1 ? 3 : 1;
    ui_.SetBusyCursor(true);
    running_ = true;
    int rc = jvLink_.JVOpen(kDataSpec, fromDate, option, readCount_, downloadCount_, newestStamp_);
    if (rc != 0 || readCount_ == 0) {
        summary_.nothingNew = rc == -1 || rc == 0;
        ui_.Beep();
        ui_.ShowMessage(rc == -1 || rc == 0 ? std::string(kNoNewData)
                                            : "JVOpenエラー:" + JvResultMessage("JVOpen", rc));
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
    if (!PassesDownloadFilter(record, startNumber_, FinalOdds)) return;
    if (!store_.Store(record, StoreRoute::Download)) return;
    ++summary_.recordsStored;
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

    // What was read is written out before anything else can look at the day files.
    FileFailure failure;
    if (!store_.Flush(&failure)) {
        ui_.Beep();
        ui_.ShowMessage("データファイルの書き込みに失敗しました。" + failure.shown);
        return;
    }
    if (result.end == ReadLoopEnd::AllRead) {
        ProgressText = Format("データ読込み完了(%d/%d)", files, readCount_);
        DownloadBar.position = 0;
        ReadBar.position = 0;
        std::string stamp = Trim(newestStamp_);
        if (!stamp.empty() && stamp != "00000000000000") {
            if (auto newest = ParseCompactDateTime(stamp)) {
                StartDate = *newest;
                summary_.newLastTime = FormatDateTime(*newest, "yyyy/mm/dd hh:nn:ss");
                settings_.WriteString("JvDataGet", "LastTime", summary_.newLastTime);
            }
        }
        ProgressText = "データ作成が完了しました。";
        summary_.completed = true;
    } else if (result.end == ReadLoopEnd::Failed || result.end == ReadLoopEnd::TimedOut) {
        ui_.Beep();
        ui_.ShowMessage("JVReadエラー:" + JvResultMessage("JVRead", result.code));
    }
    Show();
}

void TGetDataForm::CloseStep() {
    int rc = jvLink_.JVClose();
    ui_.SetBusyCursor(false);
    running_ = false;
    ui_.Beep();
    if (rc != 0) ui_.ShowMessage("JVCloseエラー:" + JvResultMessage("JVClose", rc));
    Show();
}

void TGetDataForm::CancelClick() {
    if (!ui_.AskYesNo("データ取込を中止します。実行しますか？")) return;
    bool fetching = StatusTimerEnabled;
    StatusTimerEnabled = false;
    jvLink_.JVCancel();
    cancelFlag_ = true;
    ui_.Beep();
    ui_.ShowMessage("JVCancel:キャンセルされました");
    ProgressText = "JVCancel:キャンセルされました";
    // Cancelled while fetching there is no read loop to end: close the service here, or it
    // would still be open when the next download starts.
    if (fetching) {
        jvLink_.JVClose();
        ui_.SetBusyCursor(false);
        running_ = false;
    }
    Show();
}

void TGetDataForm::SettingsClick() {
    int rc = jvLink_.JVSetUIProperties();
    if (rc == 0) return;
    ui_.Beep();
    ui_.ShowMessage("JVSetUIPropertiesエラー：" + JvResultMessage("JVSetUIProperties", rc));
}

}  // namespace kagiroi
