#include "cli/CliSession.h"

#include "cli/CliReports.h"

#include "datalink/ChosenSourceJvLink.h"
#include "daystore/DayFiles.h"
#include "daystore/RecordLayout.h"
#include "demo/DemoJvLink.h"
#include "platform/FileSystem.h"
#include "platform/TextField.h"

#include <cstdio>

namespace kagiroi {

namespace {

// Reports print the paths they wrote instead of opening them: the window's default program
// belongs to the window.
std::unique_ptr<Shell> MakeShell(const CliOptions& options) {
    if (IsReportCommand(options.command)) return std::make_unique<NoDocumentShell>();
    if (options.Has("--no-plugin")) return std::make_unique<NoProgramShell>();
    return std::make_unique<SystemShell>();
}

}  // namespace

CliSession::CliSession(const std::string& programFolder, const CliOptions& options)
    : programFolder_(programFolder),
      ui_(options.Has("--sjis"), options.Has("--yes")),
      clock_(MakeClockFromEnvironment(&unreadableNow_)),
      shell_(MakeShell(options)),
      registry_(MakeMachineRegistry()),
      settings_(SettingsFilePath(programFolder)),
      jvLink_(CreateChosenSourceJvLink(settings_, *clock_, nullptr, MakeDemoJvLink)) {
    form_ = std::make_unique<TMainForm>(
        programFolder_, MainFormPorts{ui_, *clock_, clipboard_, *shell_, *registry_}, *jvLink_);
}

bool CliSession::Start() {
    std::string error;
    if (programFolder_.empty() || !form_->FormCreate(&error)) {
        ui_.ShowMessage(error.empty() ? "no program folder" : error);
        return false;
    }
    if (!unreadableNow_.empty()) ui_.ShowMessage(form_->ReportUnreadableNow(unreadableNow_));
    form_->FormShow();
    return true;
}

void CliSession::Print(const std::string& sjis) {
    std::fputs(ui_.Out(sjis).c_str(), stdout);
}

void CliSession::PrintRows(const std::vector<std::vector<std::string>>& rows) {
    for (const auto& row : rows) {
        std::string line;
        for (size_t c = 0; c < row.size(); ++c)
            line += (c ? "\t" : "") + row[c];
        Print(line + "\n");
    }
}

bool CliSession::LoadDay(const std::string& day) {
    std::string digits =
        day.size() == 10 ? day.substr(0, 4) + day.substr(5, 2) + day.substr(8, 2) : "";
    auto text = DayTextFromDate(digits);
    if (!text || day[4] != '-' || day[7] != '-') {
        ui_.ShowMessage("day must be given as yyyy-mm-dd: " + day);
        return false;
    }
    const auto& days = form_->DayList().DateList;
    for (size_t i = 0; i < days.size(); ++i) {
        if (days[i] != *text) continue;
        int before = ui_.MessageCount();
        form_->DateListChange(static_cast<int>(i));
        // The load clicks on the first race; a message about that race alone ("データが不十分")
        // leaves the day loaded, and another race of it may still be chosen.
        if (!form_->DayList().RaceList.empty()) return true;
        if (ui_.MessageCount() == before) ui_.ShowMessage("the day " + day + " has no races");
        return false;
    }
    ui_.ShowMessage("the day store holds no " + day + " (see: kagiroi-cli days)");
    return false;
}

int RaceListItem(const TMainForm& form, const std::string& race) {
    int count = static_cast<int>(form.DayList().RaceList.size());
    if (IsDigits(race)) {
        int item = ToInt(race) - 1;
        return item >= 0 && item < count ? item : -1;
    }
    if (race.size() != 5 || race[2] != '-' || !IsDigits(race.substr(3))) return -1;
    for (int item = 0; item < count; ++item) {
        const std::string& info = form.Book()[item].RaceInfo;
        if (FieldAt(info, RaceHead::Course) == race.substr(0, 2) &&
            NumberAt(info, RaceHead::RaceNumber) == ToInt(race.substr(3)))
            return item;
    }
    return -1;
}

bool CliSession::SelectRace(const std::string& race) {
    int item = RaceListItem(*form_, race);
    if (item < 0) {
        ui_.ShowMessage("the day has no race " + race);
        return false;
    }
    int before = ui_.MessageCount();
    form_->Race().DatListClick(item);
    return ui_.MessageCount() == before;
}

}  // namespace kagiroi
