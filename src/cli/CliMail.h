#pragma once

#include "cli/CliOptions.h"
#include "cli/CliSession.h"

namespace kagiroi {

// mail test [--yes] | mail deliver DAY RACE [--yes]
int RunMailCommand(CliSession& session, const CliOptions& options);

}  // namespace kagiroi
