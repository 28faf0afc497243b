#pragma once

#include "platform/Clipboard.h"
#include "platform/FileSystem.h"
#include "platform/Shell.h"
#include "platform/Ui.h"
#include "records/DayReplay.h"
#include "records/ReportOutcome.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kagiroi {

class MainFormContext;
class ReplayRunner;

// What the reports tell and open through: the window's ports, and where a file failure goes
// (the status line and the error log).
struct ReportPorts {
    Ui& ui;
    Shell& shell;
    Clipboard& clipboard;
    FailureReport reportFailure;
};

// The reports of the 検証 menu: each replays the loaded day (or its year) and writes what the
// program's tickets would have won.
class ReportRunner {
  public:
    ReportRunner(const MainFormContext& context, ReplayRunner& replays, ReportPorts ports);

    ReportOutcome TallyDay();                       // 集計
    ReportOutcome VerifyDay();                      // 検証
    ReportOutcome ReportHits(long long threshold);  // 的中 (0), 穴的中 (5000)
    ReportOutcome ExportDayStatistics();            // 平均以下頭数 → 単日分
    ReportOutcome ExportYearStatistics();           // 平均以下頭数 → 年単位

  private:
    // The heading and file stamp of the loaded day, taken before a replay; false when no day
    // is chosen or its date cannot name a file.
    struct DayContext {
        std::string headingDate;
        std::string heading;  // heading date and venues
        std::string stamp;    // yyyymmdd
    };
    std::optional<DayContext> Context() const;
    std::string ReportPath(const std::string& folder, const std::string& name) const;
    // Writes the lines whole; on failure tells the file's name and keeps the outcome's failure.
    bool Save(const std::string& path, const std::vector<std::string>& lines,
              ReportOutcome& outcome);
    // Opens a saved report with the system's program; with `copy`, puts its text on the
    // clipboard.
    void Publish(const std::string& path, const std::vector<std::string>& lines, bool copy);
    void Fail(const std::string& message, ReportOutcome& outcome);
    // The day's hits added to the running list of every hit (its heading first when it is
    // new); the failure when it could not be.
    std::optional<FileFailure> AddToRunningList(const std::string& listPath,
                                                const std::string& heading,
                                                const std::vector<std::string>& hits);
    // Replays the loaded day into `visit`, then saves what `finish` gives and publishes it.
    using LinesOf = std::function<std::vector<std::string>()>;
    ReportOutcome SaveDayReport(const RaceVisitor& visit, const LinesOf& finish,
                                const std::string& path, bool copy);

    const MainFormContext& context_;
    ReplayRunner& replays_;
    ReportPorts ports_;
};

}  // namespace kagiroi
