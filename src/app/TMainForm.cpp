#include "app/TMainForm.h"

#include "app/DocumentOpening.h"
#include "app/ReportRunner.h"

#include "analysis/IndexTable.h"
#include "datalink/JvLink.h"
#include "datalink/JvResultMessage.h"
#include "daystore/DayFiles.h"
#include "daystore/RaceDay.h"
#include "mail/Mailer.h"
#include "odds/TimeSeriesOdds.h"
#include "platform/FileSystem.h"
#include "platform/LeftoverTemporaries.h"
#include "platform/SettingsTable.h"
#include "platform/TextField.h"
#include "printing/TAllPrintForm.h"
#include "selection/MarkGrid.h"
#include "stakes/PopularityRateFile.h"

#include <algorithm>

namespace kagiroi {

namespace {

constexpr const char* kErrorLogName = "ErrorLog.txt";
constexpr const char* kManualName = "Kagiroi.pdf";
constexpr const char* kLedgerFileName = "ruison.csv";

// The installer records that tell where the outside programs live.
struct ExternalFolder {
    const TextSetting& setting;
    const char* registryKey;
    bool dataSubfolder;
};

const ExternalFolder kExternalFolders[] = {
    {setting::kPluginFolder,
     "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Hibari投票プラグイン２_is1", false},
    {setting::kOldPluginFolder,
     "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Hibari投票プラグイン_is1", false},
    {setting::kTimeSeriesFolder,
     "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Kazami２ for JRA-VAN Data Lab._is1",
     true},
};

}  // namespace

TMainForm::TMainForm(std::string programFolder, MainFormPorts ports, JvLink& jvLink)
    : programFolder_(std::move(programFolder)),
      ports_(ports),
      jvLink_(jvLink),
      settings_(SettingsFilePath(programFolder_)),
      errorLog_(JoinPath(programFolder_, kErrorLogName), ports.clock),
      store_(programFolder_),
      book_(std::make_unique<DayBook>()),
      lossReg_(std::make_unique<TLossRegForm>(JoinPath(programFolder_, kLedgerFileName), ports.ui,
                                              settings_)),
      progression_(std::make_unique<ProgressionPanel>(settings_)),
      reports_(std::make_unique<ReportRunner>(
          *this, ReportPorts{ports.ui, ports.shell, ports.clipboard,
                             [this](const FileFailure& f) { ReportFileFailure(f); }})),
      timeSeries_(std::make_unique<TimeSeriesOdds>(programFolder_, settings_)),
      allPrint_(std::make_unique<TAllPrintForm>(settings_, ports.ui)) {
    lossReg_->OnLossChanged([this] {
        progression_->LossChanged(lossReg_->CumulativeLoss());
        NotifyChanged();
    });
    settings_.ReportFailuresTo([this](const FileFailure& f) { ReportFileFailure(f); });
    store_.ReportFailuresTo([this](const FileFailure& f) { ReportFileFailure(f); });
    // The log cannot take a line about itself: its failures go to the status line alone.
    errorLog_.ReportFailuresTo([this](const FileFailure& f) {
        status_.DownloadLabel.text = f.shown;
        lastFileFailure_ = f.shown;
        ++fileFailures_;
        NotifyChanged();
    });
}

TMainForm::~TMainForm() {
    // Records still pending at exit are written, and a failure is told while the log exists.
    FlushStore();
    store_.ReportFailuresTo({});
}

void TMainForm::ReportFileFailure(const FileFailure& failure) {
    ++fileFailures_;
    errorLog_.Append(failure.logged);
    // Set after the log's line: a log that cannot be written (another program keeping the
    // folder) must not hide what failed first.
    status_.DownloadLabel.text = failure.shown;
    lastFileFailure_ = failure.shown;
    NotifyChanged();
}

std::string TMainForm::ReportUnreadableNow(const std::string& value) {
    std::string message = "KAGIROI_NOW=" + value +
                          " は日時(yyyy-mm-ddThh:mm:ss)として読めないため、今の時刻で動きます";
    errorLog_.Append(message);
    return message;
}

bool TMainForm::FlushStore() {
    FileFailure failure;
    if (store_.Flush(&failure)) return true;
    ReportFileFailure(failure);
    return false;
}

void TMainForm::NotifyChanged() {
    if (changed_) changed_();
}

TGetDataForm TMainForm::DownloadDialog() {
    return TGetDataForm(jvLink_, store_, settings_, errorLog_, ports_.ui, ports_.clock,
                        downloadCancelFlag_);
}

TOzGetTimeForm TMainForm::FetchTimeDialog() {
    return TOzGetTimeForm(settings_);
}

int TMainForm::AnalysisSplit(int fallback) const {
    return ReadIntSetting(settings_, setting::kAnalysisSplit, fallback);
}

void TMainForm::AnalysisSplitMoved(int top) {
    WriteIntSetting(settings_, setting::kAnalysisSplit, top);
}

void TMainForm::FillExternalFolders() {
    for (const auto& folder : kExternalFolders) {
        if (!IsBlank(ReadTextSetting(settings_, folder.setting))) continue;
        if (!ports_.registry.KeyExists(folder.registryKey)) continue;
        auto path = ports_.registry.ReadValue(folder.registryKey, "Inno Setup: App Path");
        if (!path || IsBlank(*path)) continue;
        WriteTextSetting(settings_, folder.setting,
                         folder.dataSubfolder ? JoinPath(*path, "Data") : *path);
    }
    // Without a viewer the import reads the program's own history.
    timeSeries_->FillBlankFolder();
}

bool TMainForm::FormCreate(std::string* error) {
    FillExternalFolders();
    SetCurrentFolder(programFolder_);
    for (const char* name : {kDataFolderName, kVoteFolderName, kChangeFolderName}) {
        FileError failure;
        if (!MakeDirectory(JoinPath(programFolder_, name), &failure)) {
            if (error != nullptr)
                *error =
                    DescribeFailure(JoinPath(programFolder_, name) + " を作成できません", failure)
                        .shown;
            return false;
        }
    }
    // A write killed half-way left its temporary file; one of a running program is its own.
    RemoveLeftoverTemporaries(programFolder_);
    status_.RacePagesVisible = false;
    errorLog_.StartUp(programFolder_);
    LogAll(lossReg_->FormCreate());
    if (const auto& error = lossReg_->Ledger().ReadError())
        ReportFileFailure(DescribeFailure(lossReg_->Ledger().Path() + " を読み込めません", *error));
    raceMoyo_.FormCreate(settings_);
    betting_.RadioGroup1 = ReadIntSetting(settings_, setting::kAllocationMode);
    session_.UseSettings(FreshRaceSettings());
    rates_ = LoadOrBuild(programFolder_);
    BuildDateList();
    return true;
}

const std::string& ApplicationTitle() {
    static const std::string title = "ミラド式3連複3連単馬券網ソフト Kagiroi";
    return title;
}

const std::string& VersionText() {
    static const std::string version = "Ver.1.16";
    return version;
}

void TMainForm::FormShow() {
    // The software identifier given to the data service, followed by the version text.
    int rc = jvLink_.JVInit("KAGIROI" + VersionText());
    if (rc != jv::kOk) ports_.ui.ShowMessage("JVInitエラー：" + JvResultMessage("JVInit", rc));
}

WindowPlacement TMainForm::StoredPlacement() const {
    WindowPlacement p;
    p.top = ReadIntSetting(settings_, setting::kWindowTop);
    p.left = ReadIntSetting(settings_, setting::kWindowLeft);
    p.width = ReadIntSetting(settings_, setting::kWindowWidth);
    p.height = ReadIntSetting(settings_, setting::kWindowHeight);
    return p;
}

void TMainForm::FormCloseQuery(const WindowPlacement& placement) {
    if (!FlushStore()) {
        ports_.ui.Beep();
        ports_.ui.ShowMessage(status_.DownloadLabel.text);
    }
    WriteIntSetting(settings_, setting::kWindowTop, placement.top);
    WriteIntSetting(settings_, setting::kWindowLeft, placement.left);
    WriteIntSetting(settings_, setting::kWindowWidth, placement.width);
    WriteIntSetting(settings_, setting::kWindowHeight, placement.height);
}

void TMainForm::HelpClick() {
    for (const std::string& folder : {programFolder_, programFileFolder_}) {
        if (folder.empty()) continue;
        std::string manual = JoinPath(folder, kManualName);
        if (FileExists(manual)) {
            OpenOrTellWhere(ports_.shell, ports_.ui, manual, "使用解説書[Kagiroi.pdf]");
            return;
        }
    }
    ports_.ui.Beep();
    ports_.ui.ShowMessage("使用解説書[Kagiroi.pdf]が見つかりません。");
}

bool TMainForm::IsToday(const std::string& day) const {
    auto today = DayTextFromDate(FormatDateTime(ports_.clock.Now(), "yyyymmdd"));
    return today && *today == day;
}

}  // namespace kagiroi
