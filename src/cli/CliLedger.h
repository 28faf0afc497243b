#pragma once

#include "cli/CliOptions.h"
#include "cli/CliSession.h"

namespace kagiroi {

// ledger | ledger add DAY RACE AMOUNT | ledger delete N | ledger clear, [--yes]
int RunLedgerCommand(CliSession& session, const CliOptions& options);
// Whether a money option is up to six digits, as the window's boxes take.
bool SixDigits(const std::string& text);
// After race DAY RACE is selected: 追い上げ with --target, then the amount and both tables.
int RunProgression(CliSession& session, const CliOptions& options);

}  // namespace kagiroi
