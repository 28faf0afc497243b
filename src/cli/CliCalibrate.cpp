#include "cli/CliCalibrate.h"

#include "cli/CliBacktest.h"
#include "cli/CliCommands.h"
#include "model/ReliabilityChartPng.h"

namespace kagiroi {

int RunCalibrateCommand(CliSession& session, const CliOptions& options) {
    std::string from, to;
    if (!ReadDayRange(session, options, from, to)) return kExitUsage;
    std::optional<int> jobs = ReadJobsOption(session, options);
    if (!jobs) return kExitUsage;
    TMainForm& form = session.Form();
    CalibrationReport report = form.Replays().Calibrate(from, to, *jobs);
    session.PrintRows(CalibrationRaceRows(report));
    if (!report.fitted) {
        session.Ui().ShowMessage(TooFewRacesText(report.usable));
        return kExitRefused;
    }
    session.Print("\n");
    session.PrintRows(CalibrationModelRows(report));
    session.Print("\n");
    session.PrintRows(ReliabilityRows(report));
    if (auto png = options.Value("--png");
        png && !WriteOptionFile(session, options, *png, ReliabilityChartPng(report)))
        return kExitRefused;
    if (!options.Has("--save")) return kExitOk;
    // Written as 投資金設定's OK writes it; a failed write fails the run.
    form.Investment().OpenInvestmentSettings([&](TKaimeSetForm& dialog) {
        dialog.Model = *report.fitted;
        return true;
    });
    return kExitOk;
}

}  // namespace kagiroi
