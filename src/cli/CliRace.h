#pragma once

#include "cli/CliOptions.h"
#include "cli/CliSession.h"

namespace kagiroi {

// race DAY RACE [--table ...] [--amount YEN] [--mode equal|proportional|kelly] [--strike N,...]
int RunRaceCommand(CliSession& session, const CliOptions& options);
// vote DAY RACE --trio|--trifecta [--amount YEN] [--mode ...] [--yes] [--no-plugin]
int RunVoteCommand(CliSession& session, const CliOptions& options);
// votefile DAY RACE --type 単勝|...|３連単 [--amount YEN] [--mode ...] [--strike N,...] [--yes]
int RunVoteFileCommand(CliSession& session, const CliOptions& options);
// The default print of a selected race: header, marks, both tables and the totals.
void PrintRace(CliSession& session);

}  // namespace kagiroi
