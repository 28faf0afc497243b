#include "cli/CliBacktest.h"

#include "cli/CliCommands.h"
#include "platform/FileSystem.h"
#include "platform/Sjis.h"
#include "platform/TextField.h"
#include "records/Backtest.h"
#include "records/BalanceChartPng.h"
#include "records/WorkerPool.h"

#include <optional>

namespace kagiroi {

std::optional<std::string> DigitsOfDay(const std::string& day) {
    if (day.size() != 10 || day[4] != '-' || day[7] != '-') return std::nullopt;
    std::string digits = day.substr(0, 4) + day.substr(5, 2) + day.substr(8, 2);
    if (!IsDigits(digits)) return std::nullopt;
    return digits;
}

std::optional<int> ReadJobsOption(CliSession& session, const CliOptions& options) {
    auto given = options.Value("--jobs");
    if (!given) return DefaultJobCount();
    if (!IsDigits(*given) || given->size() > 3 || ToInt(*given) < 1) {
        session.Ui().ShowMessage("--jobs takes a number of worker threads from 1");
        return std::nullopt;
    }
    return ToInt(*given);
}

bool ReadDayRange(CliSession& session, const CliOptions& options, std::string& from,
                  std::string& to) {
    const auto& args = options.arguments;
    std::optional<std::string> first = args.size() == 2 ? DigitsOfDay(args[0]) : std::nullopt;
    std::optional<std::string> last = args.size() == 2 ? DigitsOfDay(args[1]) : std::nullopt;
    if (!first || !last || *first > *last) {
        session.Ui().ShowMessage("give FROM and TO as yyyy-mm-dd, FROM not after TO");
        return false;
    }
    from = *first;
    to = *last;
    return true;
}

bool ReadOddsOption(CliSession& session, const CliOptions& options, std::optional<bool>& bettime) {
    auto odds = options.Value("--odds");
    if (!odds) return true;
    if (*odds != "final" && *odds != "bettime") {
        session.Ui().ShowMessage("--odds takes final or bettime");
        return false;
    }
    bettime = *odds == "bettime";
    return true;
}

namespace {

// The stakes the options ask for instead of the user's; false (told) on a wrong value.
bool ReadStakeOptions(CliSession& session, const CliOptions& options, BacktestStakes& stakes) {
    if (auto amount = options.Value("--amount")) {
        if (!IsDigits(*amount) || amount->size() > 6) {
            session.Ui().ShowMessage("--amount takes up to six digits of yen");
            return false;
        }
        stakes.amount = ToInt(*amount);
    }
    if (auto mode = options.Value("--mode")) {
        stakes.mode = AllocationModeOption(*mode);
        if (!stakes.mode) {
            session.Ui().ShowMessage(kAllocationModeUsage);
            return false;
        }
    }
    return true;
}

}  // namespace

bool WriteOptionFile(CliSession& session, const CliOptions& options, const std::string& typed,
                     const std::string& data) {
    std::string path = options.UserPath(typed);
    FileError error;
    if (!WriteFileAtomic(path, data, &error)) {
        session.Ui().ShowMessage(DescribeFailure(path + " を保存できません", error).shown);
        return false;
    }
    session.Print(path + "\n");
    return true;
}

int RunBacktestCommand(CliSession& session, const CliOptions& options) {
    std::string from, to;
    if (!ReadDayRange(session, options, from, to)) return kExitUsage;
    BacktestStakes stakes;
    if (!ReadStakeOptions(session, options, stakes)) return kExitUsage;
    std::optional<int> jobs = ReadJobsOption(session, options);
    if (!jobs) return kExitUsage;
    std::optional<bool> bettime;
    if (!ReadOddsOption(session, options, bettime)) return kExitUsage;
    BacktestResult result = session.Form().Replays().Backtest(from, to, stakes, *jobs, bettime);
    session.PrintRows(BacktestRows(result));
    // A file written stays when the next cannot be.
    if (auto csv = options.Value("--csv");
        csv && !WriteOptionFile(session, options, *csv, BacktestCsv(result)))
        return kExitRefused;
    if (auto png = options.Value("--png");
        png && !WriteOptionFile(session, options, *png, BalanceChartPng(result)))
        return kExitRefused;
    return result.days.empty() ? kExitRefused : kExitOk;
}

}  // namespace kagiroi
