#pragma once

#include "cli/CliOptions.h"
#include "cli/CliSession.h"

namespace kagiroi {

// sweep FROM TO --set KEY=V1,V2,... [--set ...] [--split DAY] [--type trio|trifecta|both]
//       [--csv FILE] [--jobs N]
int RunSweepCommand(CliSession& session, const CliOptions& options);

}  // namespace kagiroi
