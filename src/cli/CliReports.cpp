#include "cli/CliReports.h"

#include "cli/CliCommands.h"
#include "platform/TextField.h"

#include <algorithm>

namespace kagiroi {

namespace {

// Chooses the first stored day of YEAR, from which the year's export starts.
bool ChooseYear(CliSession& session, const std::string& year) {
    TMainForm& form = session.Form();
    const auto& days = form.DayList().DateList;
    auto found = std::find_if(days.begin(), days.end(),
                              [&](const std::string& day) { return day.compare(0, 4, year) == 0; });
    if (found == days.end()) {
        session.Ui().ShowMessage("the day store holds no day of " + year);
        return false;
    }
    form.DateListChange(static_cast<int>(found - days.begin()));
    return true;
}

ReportOutcome RunReport(CliSession& session, const std::string& command, long long threshold,
                        bool year) {
    TMainForm& form = session.Form();
    if (command == "tally") return form.Reports().TallyDay();
    if (command == "verify") return form.Reports().VerifyDay();
    if (command == "hits") return form.Reports().ReportHits(threshold);
    return year ? form.Reports().ExportYearStatistics() : form.Reports().ExportDayStatistics();
}

}  // namespace

bool IsReportCommand(const std::string& command) {
    return command == "tally" || command == "verify" || command == "hits" || command == "stats";
}

int RunReportCommand(CliSession& session, const CliOptions& options) {
    const std::string& command = options.command;
    if (options.arguments.size() != 1) {
        session.Ui().ShowMessage("give " + command + (command == "stats" ? " DAY|YEAR" : " DAY"));
        return kExitUsage;
    }
    long long threshold = 0;
    if (auto value = options.Value("--threshold")) {
        if (command != "hits" || !IsDigits(*value) || value->size() > 9) {
            session.Ui().ShowMessage("--threshold takes yen, for hits");
            return kExitUsage;
        }
        threshold = ToInt64(*value);
    }
    const std::string& when = options.arguments.front();
    bool year = command == "stats" && when.size() == 4 && IsDigits(when);
    if (year ? !ChooseYear(session, when) : !session.LoadDay(when)) return kExitRefused;
    ReportOutcome outcome = RunReport(session, command, threshold, year);
    if (!outcome.ran) return kExitRefused;
    for (const auto& line : outcome.lines)
        session.Print(line + "\n");
    if (outcome.replay.skippedDays > 0)
        session.Ui().ShowMessage(std::to_string(outcome.replay.skippedDays) +
                                 " day(s) without races skipped");
    for (const auto& path : outcome.written)
        session.Print("written: " + path + "\n");
    if (outcome.written.empty() && !outcome.failure)
        session.Print("(nothing saved: at most one hit)\n");
    return outcome.failure ? kExitRefused : kExitOk;
}

}  // namespace kagiroi
