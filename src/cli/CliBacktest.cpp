#include "cli/CliBacktest.h"

#include "cli/CliCommands.h"
#include "platform/FileSystem.h"
#include "platform/Sjis.h"
#include "platform/TextField.h"
#include "records/Backtest.h"

#include <optional>

namespace kagiroi {

namespace {

// "yyyy-mm-dd" as yyyymmdd; nothing for any other text.
std::optional<std::string> DigitsOfDay(const std::string& day) {
    if (day.size() != 10 || day[4] != '-' || day[7] != '-') return std::nullopt;
    std::string digits = day.substr(0, 4) + day.substr(5, 2) + day.substr(8, 2);
    if (!IsDigits(digits)) return std::nullopt;
    return digits;
}

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
        if (*mode != "equal" && *mode != "proportional") {
            session.Ui().ShowMessage("--mode is equal or proportional");
            return false;
        }
        stakes.mode = *mode == "equal" ? 0 : 1;
    }
    return true;
}

// The CSV goes to --csv; a chart asked for by --png is drawn only by the window, so its table
// goes beside it as CSV instead.
std::optional<std::string> CsvPathOf(const CliOptions& options) {
    if (auto csv = options.Value("--csv")) return csv;
    auto png = options.Value("--png");
    if (!png) return std::nullopt;
    std::string path = *png;
    size_t dot = path.rfind('.');
    if (dot != std::string::npos && dot > path.rfind('/')) path.resize(dot);
    return path + ".csv";
}

}  // namespace

int RunBacktestCommand(CliSession& session, const CliOptions& options) {
    const auto& args = options.arguments;
    std::optional<std::string> from = args.size() == 2 ? DigitsOfDay(args[0]) : std::nullopt;
    std::optional<std::string> to = args.size() == 2 ? DigitsOfDay(args[1]) : std::nullopt;
    if (!from || !to || *from > *to) {
        session.Ui().ShowMessage("give FROM and TO as yyyy-mm-dd, FROM not after TO");
        return kExitUsage;
    }
    BacktestStakes stakes;
    if (!ReadStakeOptions(session, options, stakes)) return kExitUsage;
    if (options.Value("--png"))
        session.Ui().ShowMessage(
            "--png: the chart is drawn by the window (検証 → バックテスト...); kagiroi-cli "
            "writes the table as CSV");
    BacktestResult result = session.Form().Backtest(*from, *to, stakes);
    session.PrintRows(BacktestRows(result));
    if (auto typed = CsvPathOf(options)) {
        // The terminal's path; the program's paths are Shift_JIS.
        std::string path = Utf8ToSjis(*typed);
        FileError error;
        if (!WriteFileAtomic(path, BacktestCsv(result), &error)) {
            session.Ui().ShowMessage(DescribeFailure(path + " を保存できません", error).shown);
            return kExitRefused;
        }
        session.Print(path + "\n");
    }
    return result.days.empty() ? kExitRefused : kExitOk;
}

}  // namespace kagiroi
