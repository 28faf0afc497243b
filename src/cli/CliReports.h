#pragma once

#include "cli/CliOptions.h"
#include "cli/CliSession.h"

namespace kagiroi {

// tally DAY, verify DAY, hits DAY [--threshold YEN], stats DAY, stats YEAR --yes: the reports
// of the window's 検証 menu, printed with the paths of the files they wrote.
bool IsReportCommand(const std::string& command);
int RunReportCommand(CliSession& session, const CliOptions& options);

}  // namespace kagiroi
