#include "app/ReportRunner.h"

#include "app/DocumentOpening.h"
#include "app/ReplayRunner.h"
#include "platform/FileSystem.h"
#include "platform/FolderLock.h"
#include "platform/TextField.h"
#include "platform/TextLines.h"
#include "records/DayReports.h"
#include "records/ReportText.h"
#include "records/StatisticsExport.h"

namespace kagiroi {

namespace {

constexpr const char* kReportFolder = "HPupload";
constexpr const char* kStatisticsFolder = "CSV";
constexpr const char* kRunningListName = "Manbaken.txt";

}  // namespace

ReportRunner::ReportRunner(const MainFormContext& context, ReplayRunner& replays, ReportPorts ports)
    : context_(context), replays_(replays), ports_(std::move(ports)) {}

std::optional<ReportRunner::DayContext> ReportRunner::Context() const {
    if (IsBlank(context_.dayList.DateText)) return std::nullopt;
    DayContext context;
    context.headingDate = HeadingDate(context_.session.Card().Header.Label1);
    context.heading = DayHeading(context.headingDate, DayVenues(*context_.book));
    context.stamp = DayStamp(*context_.book, context_.dayList.DateText);
    if (context.stamp.empty()) return std::nullopt;
    return context;
}

std::string ReportRunner::ReportPath(const std::string& folder, const std::string& name) const {
    return JoinPath(JoinPath(context_.programFolder, folder), name);
}

void ReportRunner::Fail(const std::string& message, ReportOutcome& outcome) {
    outcome.failure = message;
    ports_.ui.Beep(BeepSound::Warning);
    ports_.ui.ShowMessage(message);
}

bool ReportRunner::Save(const std::string& path, const std::vector<std::string>& lines,
                        ReportOutcome& outcome) {
    FileError error;
    if (!MakeDirectories(FolderOf(path), &error) ||
        !WriteFileAtomic(path, ReportText(lines), &error)) {
        FileFailure failure = DescribeFailure(path + " に書き込めませんでした", error);
        ports_.reportFailure(failure);
        Fail(failure.shown, outcome);
        return false;
    }
    outcome.written.push_back(path);
    return true;
}

void ReportRunner::Publish(const std::string& path, const std::vector<std::string>& lines,
                           bool copy) {
    if (copy) ports_.clipboard.SetText(ReportText(lines));
    OpenOrTellWhere(ports_.shell, ports_.ui, path, "保存したレポート");
}

ReportOutcome ReportRunner::SaveDayReport(const RaceVisitor& visit, const LinesOf& finish,
                                          const std::string& path, bool copy) {
    ReportOutcome outcome;
    outcome.ran = true;
    outcome.replay = replays_.ReplayLoadedDay(visit);
    outcome.lines = finish();
    if (Save(path, outcome.lines, outcome)) Publish(path, outcome.lines, copy);
    return outcome;
}

ReportOutcome ReportRunner::TallyDay() {
    auto context = Context();
    if (!context) return {};
    TallyReport report(context->heading);
    return SaveDayReport([&](const ReplayedRace& race) { report.AddRace(race.bets); },
                         [&] { return report.Lines(); },
                         ReportPath(kReportFolder, "Kaishu" + context->stamp + ".txt"), true);
}

ReportOutcome ReportRunner::VerifyDay() {
    auto context = Context();
    if (!context) return {};
    VerifyReport report(AllocationModeFromIndex(context_.betting.RadioGroup1),
                        context->headingDate);
    return SaveDayReport([&](const ReplayedRace& race) { report.AddRace(race); },
                         [&] { return report.Lines(); },
                         ReportPath(kReportFolder, "Kaishu" + context->stamp + ".txt"), true);
}

ReportOutcome ReportRunner::ReportHits(long long threshold) {
    ReportOutcome outcome;
    auto context = Context();
    if (!context) return outcome;
    outcome.ran = true;
    HitReport report(threshold, {});
    outcome.replay =
        replays_.ReplayLoadedDay([&](const ReplayedRace& race) { report.AddRace(race); });
    outcome.lines = report.Lines();
    if (!report.WorthSaving()) return outcome;
    std::string path = ReportPath(kReportFolder, "MR" + context->stamp + ".txt");
    if (!Save(path, outcome.lines, outcome)) return outcome;
    Publish(path, outcome.lines, true);
    std::string listPath = ReportPath(kReportFolder, kRunningListName);
    if (auto failure = AddToRunningList(listPath, context->heading, report.RunningList())) {
        ports_.reportFailure(*failure);
        Fail(failure->shown, outcome);
        return outcome;
    }
    outcome.written.push_back(listPath);
    return outcome;
}

std::optional<FileFailure> ReportRunner::AddToRunningList(const std::string& listPath,
                                                          const std::string& heading,
                                                          const std::vector<std::string>& hits) {
    // Read, added to and written back under the folder's lock, so that another program's
    // addition in between is kept; the replay before and a message after keep nobody waiting.
    FolderLock lock;
    if (!lock.Held()) return DescribeFailure(listPath + " に書き込めませんでした", lock.Error());
    FileContents list = ReadFileContents(listPath);
    // A list that is there but cannot be read is kept: the day's hits alone would replace it.
    if (list.status == ReadStatus::Failed)
        return DescribeFailure(listPath + " を読めないため、追記しませんでした", list.error);
    std::vector<std::string> running;
    if (list.status == ReadStatus::Read) running = SplitLines(list.data);
    if (list.status == ReadStatus::Missing) running.push_back(HitReport::RunningListStart(heading));
    running.insert(running.end(), hits.begin(), hits.end());
    FileError error;
    if (!WriteFileAtomic(listPath, ReportText(running), &error))
        return DescribeFailure(listPath + " に書き込めませんでした", error);
    return std::nullopt;
}

ReportOutcome ReportRunner::ExportDayStatistics() {
    auto context = Context();
    if (!context) return {};
    std::vector<std::string> lines{StatisticsHeader()};
    return SaveDayReport([&](const ReplayedRace& race) { lines.push_back(StatisticsLine(race)); },
                         [&] { return lines; },
                         ReportPath(kStatisticsFolder, "KG" + context->stamp + ".csv"), false);
}

ReportOutcome ReportRunner::ExportYearStatistics() {
    ReportOutcome outcome;
    auto context = Context();
    if (!context) return outcome;
    std::string year = context_.dayList.DateText.substr(0, 4);
    if (!IsDigits(year)) return outcome;
    if (!ports_.ui.AskYesNo(YearExportQuestion(year))) return outcome;
    outcome.ran = true;
    outcome.lines = {StatisticsHeader()};
    outcome.replay = replays_.ReplayDays(
        DatesOfYear(context_.dayList.DateList, year),
        [&](const ReplayedRace& race) { outcome.lines.push_back(StatisticsLine(race)); });
    std::string path = ReportPath(kStatisticsFolder, "KG" + year + ".csv");
    if (Save(path, outcome.lines, outcome)) Publish(path, outcome.lines, false);
    return outcome;
}

}  // namespace kagiroi
