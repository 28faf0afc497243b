#include "cli/CliSweep.h"

#include "cli/CliBacktest.h"
#include "cli/CliCommands.h"
#include "records/Sweep.h"

namespace kagiroi {

namespace {

std::optional<SweepNets> NetsOption(CliSession& session, const CliOptions& options) {
    std::string word = options.Value("--type").value_or("both");
    if (word == "trio") return SweepNets::Trio;
    if (word == "trifecta") return SweepNets::Trifecta;
    if (word == "both") return SweepNets::Both;
    session.Ui().ShowMessage("--type is trio, trifecta or both");
    return std::nullopt;
}

// The axes of the --set options; false (told) for a wrong one or too many combinations.
bool ReadAxes(CliSession& session, const CliOptions& options, std::vector<SweepAxis>& axes) {
    std::string error;
    auto parsed = ParseSweepAxes(options.All("--set"), &error);
    if (!parsed) {
        session.Ui().ShowMessage(error);
        return false;
    }
    axes = std::move(*parsed);
    return true;
}

}  // namespace

int RunSweepCommand(CliSession& session, const CliOptions& options) {
    std::string from, to;
    if (!ReadDayRange(session, options, from, to)) return kExitUsage;
    std::vector<SweepAxis> axes;
    if (!ReadAxes(session, options, axes)) return kExitUsage;
    std::string split;
    if (auto day = options.Value("--split")) {
        auto digits = DigitsOfDay(*day);
        if (!digits) {
            session.Ui().ShowMessage("--split takes a day as yyyy-mm-dd");
            return kExitUsage;
        }
        split = *digits;
    }
    auto nets = NetsOption(session, options);
    auto jobs = ReadJobsOption(session, options);
    std::optional<bool> bettime;
    if (!nets || !jobs || !ReadOddsOption(session, options, bettime)) return kExitUsage;
    TMainForm& form = session.Form();
    std::vector<ReplayDay> days = form.Replays().StoredDaysBetween(from, to);
    if (days.empty()) {
        session.Ui().ShowMessage("the day store has no day from " + from + " to " + to);
        return kExitRefused;
    }
    SweepResult result =
        RunSweep(days, form.Replays().ReplaySourceWithOdds(bettime), axes, split, *nets, *jobs, {});
    session.PrintRows(SweepTable(result));
    session.Print(SweepOddsText(result) + "\n");
    if (auto csv = options.Value("--csv");
        csv && !WriteOptionFile(session, options, *csv, SweepCsv(result)))
        return kExitRefused;
    return kExitOk;
}

}  // namespace kagiroi
