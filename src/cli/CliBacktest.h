#pragma once

#include "cli/CliOptions.h"
#include "cli/CliSession.h"

namespace kagiroi {

// backtest FROM TO [--amount YEN] [--mode equal|proportional] [--csv FILE] [--png FILE]
int RunBacktestCommand(CliSession& session, const CliOptions& options);

}  // namespace kagiroi
