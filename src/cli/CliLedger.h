#pragma once

#include "cli/CliOptions.h"
#include "cli/CliSession.h"

namespace kagiroi {

// ledger | ledger add DAY RACE AMOUNT | ledger delete N | ledger clear, [--yes]
int RunLedgerCommand(CliSession& session, const CliOptions& options);
// settings investment [--amount YEN] [--rate PCT] [--target YEN]
int RunSettingsCommand(CliSession& session, const CliOptions& options);
// After race DAY RACE is selected: 追い上げ with --target, then the amount and both tables.
int RunProgression(CliSession& session, const CliOptions& options);

}  // namespace kagiroi
