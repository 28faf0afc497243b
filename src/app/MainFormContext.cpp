#include "app/MainFormContext.h"

#include "datalink/RealTimeFetch.h"
#include "daystore/DayFiles.h"
#include "daystore/RecordLayout.h"
#include "odds/OddsImport.h"
#include "odds/TimeSeriesOdds.h"
#include "platform/FileSystem.h"
#include "platform/Format.h"
#include "platform/TextField.h"
#include "racing/KeibaFunc.h"

#include <algorithm>

namespace kagiroi {

namespace {
constexpr const char* kErrorLogName = "ErrorLog.txt";
constexpr const char* kLedgerFileName = "ruison.csv";
}  // namespace

MainFormContext::MainFormContext(std::string folder, MainFormPorts formPorts, JvLink& link)
    : programFolder(std::move(folder)),
      ports(formPorts),
      jvLink(link),
      settings(SettingsFilePath(programFolder)),
      errorLog(JoinPath(programFolder, kErrorLogName), formPorts.clock),
      store(programFolder),
      book(std::make_unique<DayBook>()),
      lossReg(std::make_unique<TLossRegForm>(JoinPath(programFolder, kLedgerFileName), formPorts.ui,
                                             settings)),
      progression(std::make_unique<ProgressionPanel>(settings)),
      timeSeries(std::make_unique<TimeSeriesOdds>(programFolder, settings)),
      realTimeMaxWaitMs(RealTimeFetcher::kMaxWaitMs) {
    lossReg->OnLossChanged([this] {
        progression->LossChanged(lossReg->CumulativeLoss());
        NotifyChanged();
    });
    jvLink.LogFaultsTo([this](const std::string& line) { errorLog.Append(line); });
    settings.ReportFailuresTo([this](const FileFailure& f) { ReportFileFailure(f); });
    store.ReportFailuresTo([this](const FileFailure& f) { ReportFileFailure(f); });
    // The log cannot take a line about itself: its failures go to the status line alone.
    errorLog.ReportFailuresTo([this](const FileFailure& f) {
        status.DownloadLabel.text = f.shown;
        lastFileFailure = f.shown;
        ++fileFailures;
        NotifyChanged();
    });
}

MainFormContext::~MainFormContext() {
    // The form flushed the store before its parts went; nothing is told into a context going
    // away.
    store.ReportFailuresTo({});
    jvLink.LogFaultsTo({});
}

void MainFormContext::NotifyChanged() {
    if (changed) changed();
}

void MainFormContext::ReportFileFailure(const FileFailure& failure) {
    ++fileFailures;
    errorLog.Append(failure.logged);
    // Set after the log's line: a log that cannot be written (another program keeping the
    // folder) must not hide what failed first.
    status.DownloadLabel.text = failure.shown;
    lastFileFailure = failure.shown;
    NotifyChanged();
}

bool MainFormContext::FlushStore() {
    FileFailure failure;
    if (store.Flush(&failure)) return true;
    ReportFileFailure(failure);
    return false;
}

void MainFormContext::LogAll(const std::vector<std::string>& lines) {
    for (const auto& line : lines)
        errorLog.Append(line);
}

bool MainFormContext::IsToday(const std::string& day) const {
    auto today = DayTextFromDate(FormatDateTime(ports.clock.Now(), "yyyymmdd"));
    return today && *today == day;
}

bool MainFormContext::DayChosen() const {
    return !IsBlank(dayList.DateText);
}

bool MainFormContext::RequireLoadedDay(bool quiet) {
    if (DayChosen() && !dayList.RaceList.empty()) return true;
    if (!quiet) {
        ports.ui.Beep();
        ports.ui.ShowMessage("ﾃﾞｰﾀを読み込んでください。");
    }
    return false;
}

int MainFormContext::DayDateNumber() const {
    return ToInt(FieldAt((*book)[0].RaceInfo, RaceHead::Date));
}

std::string MainFormContext::CourseRaceText(int slot) const {
    const std::string& race = (*book)[slot].RaceInfo;
    return RacecourseName(FieldAt(race, RaceHead::Course)) +
           FormatIntField(FieldAt(race, RaceHead::RaceNumber));
}

const RaceSettings& MainFormContext::FreshRaceSettings() {
    // One look at the file's stamp instead of a read of every key: a click reads no file
    // unless another program or a dialog changed the settings.
    std::optional<FileStamp> stamp = StampOf(settings.Path());
    if (!raceSettingsStamp || *raceSettingsStamp != stamp) {
        raceSettings = ReadRaceSettings(settings);
        raceSettingsStamp = stamp;
    }
    // The window's own choice of mode is what the radio group shows.
    raceSettings.allocationMode = betting.RadioGroup1;
    return raceSettings;
}

std::vector<std::string> MainFormContext::NotToldYet(const std::vector<std::string>& unreadable) {
    std::vector<std::string> fresh;
    for (const auto& path : unreadable) {
        auto& told = unreadableOddsFiles;
        if (std::find(told.begin(), told.end(), path) != told.end()) continue;
        told.push_back(path);
        fresh.push_back(path);
    }
    return fresh;
}

void MainFormContext::TellUnreadableOdds(const std::vector<std::string>& files) {
    if (files.empty()) return;
    ports.ui.Beep();
    ports.ui.ShowMessage(UnreadableOddsMessage(files));
}

}  // namespace kagiroi
