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

constexpr const char* kManualName = "Kagiroi.pdf";

// The installer records that tell where the outside programs live.
struct ExternalFolder {
    const TextSetting& setting;
    const char* registryKey;
    bool dataSubfolder;  // the viewer's: its data folder, where our own history may stand in
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
    : c_(std::move(programFolder), ports, jvLink),
      reports_(c_, replays_,
               ReportPorts{ports.ui, ports.shell, ports.clipboard,
                           [this](const FileFailure& f) { c_.ReportFileFailure(f); }}),
      allPrint_(std::make_unique<TAllPrintForm>(c_.settings, ports.ui)) {}

TMainForm::~TMainForm() {
    // Records still pending at exit are written, and a failure is told while the log exists,
    // before any part goes.
    c_.FlushStore();
}

std::string TMainForm::ReportUnreadableNow(const std::string& value) {
    std::string message = "KAGIROI_NOW=" + value +
                          " は日時(yyyy-mm-ddThh:mm:ss)として読めないため、今の時刻で動きます";
    c_.errorLog.Append(message);
    return message;
}

TGetDataForm TMainForm::DownloadDialog() {
    return TGetDataForm(c_.jvLink, c_.store, c_.settings, c_.errorLog, c_.ports.ui, c_.ports.clock,
                        c_.downloadCancelFlag,
                        [this](const std::string& record, FileFailure* failure) {
                            return c_.timeSeries->Keep(record, failure);
                        });
}

TOzGetTimeForm TMainForm::FetchTimeDialog() {
    return TOzGetTimeForm(c_.settings);
}

int TMainForm::AnalysisSplit(int fallback) const {
    return ReadIntSetting(c_.settings, setting::kAnalysisSplit, fallback);
}

void TMainForm::AnalysisSplitMoved(int top) {
    WriteIntSetting(c_.settings, setting::kAnalysisSplit, top);
}

void TMainForm::FillExternalFolders() {
    for (const auto& folder : kExternalFolders) {
        bool blank = IsBlank(ReadTextSetting(c_.settings, folder.setting)) ||
                     (folder.dataSubfolder && c_.timeSeries->ChoiceIsOwnHistory());
        if (!blank) continue;
        if (!c_.ports.registry.KeyExists(folder.registryKey)) continue;
        auto path = c_.ports.registry.ReadValue(folder.registryKey, "Inno Setup: App Path");
        if (!path || IsBlank(*path)) continue;
        WriteTextSetting(c_.settings, folder.setting,
                         folder.dataSubfolder ? JoinPath(*path, "Data") : *path);
    }
}

bool TMainForm::FormCreate(std::string* error) {
    FillExternalFolders();
    SetCurrentFolder(c_.programFolder);
    for (const char* name : {kDataFolderName, kVoteFolderName, kChangeFolderName}) {
        FileError failure;
        if (!MakeDirectory(JoinPath(c_.programFolder, name), &failure)) {
            if (error != nullptr)
                *error =
                    DescribeFailure(JoinPath(c_.programFolder, name) + " を作成できません", failure)
                        .shown;
            return false;
        }
    }
    // A write killed half-way left its temporary file; one of a running program is its own.
    RemoveLeftoverTemporaries(c_.programFolder);
    c_.status.RacePagesVisible = false;
    c_.errorLog.StartUp(c_.programFolder);
    c_.LogAll(c_.lossReg->FormCreate());
    if (const auto& error = c_.lossReg->Ledger().ReadError())
        c_.ReportFileFailure(
            DescribeFailure(c_.lossReg->Ledger().Path() + " を読み込めません", *error));
    race_.RaceMoyoForm().FormCreate(c_.settings);
    c_.betting.RadioGroup1 = ReadIntSetting(c_.settings, setting::kAllocationMode);
    c_.session.UseSettings(c_.FreshRaceSettings());
    c_.rates = LoadOrBuild(c_.programFolder);
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
    int rc = c_.jvLink.JVInit("KAGIROI" + VersionText());
    if (rc != jv::kOk) c_.ports.ui.ShowMessage("JVInitエラー：" + JvResultMessage("JVInit", rc));
}

WindowPlacement TMainForm::StoredPlacement() const {
    WindowPlacement p;
    p.top = ReadIntSetting(c_.settings, setting::kWindowTop);
    p.left = ReadIntSetting(c_.settings, setting::kWindowLeft);
    p.width = ReadIntSetting(c_.settings, setting::kWindowWidth);
    p.height = ReadIntSetting(c_.settings, setting::kWindowHeight);
    p.maximized = ReadIntSetting(c_.settings, setting::kWindowMaximized) != 0;
    return p;
}

void TMainForm::FormCloseQuery(const WindowPlacement& placement) {
    if (!c_.FlushStore()) {
        c_.ports.ui.Beep();
        c_.ports.ui.ShowMessage(c_.status.DownloadLabel.text);
    }
    WriteIntSetting(c_.settings, setting::kWindowTop, placement.top);
    WriteIntSetting(c_.settings, setting::kWindowLeft, placement.left);
    WriteIntSetting(c_.settings, setting::kWindowWidth, placement.width);
    WriteIntSetting(c_.settings, setting::kWindowHeight, placement.height);
    WriteIntSetting(c_.settings, setting::kWindowMaximized, placement.maximized ? 1 : 0);
}

void TMainForm::HelpClick() {
    for (const std::string& folder : {c_.programFolder, programFileFolder_}) {
        if (folder.empty()) continue;
        std::string manual = JoinPath(folder, kManualName);
        if (FileExists(manual)) {
            OpenOrTellWhere(c_.ports.shell, c_.ports.ui, manual, "使用解説書[Kagiroi.pdf]");
            return;
        }
    }
    c_.ports.ui.Beep();
    c_.ports.ui.ShowMessage("使用解説書[Kagiroi.pdf]が見つかりません。");
}

}  // namespace kagiroi
