#pragma once

#include "cli/CliOptions.h"
#include "cli/CliSession.h"

namespace kagiroi {

// journal [FROM TO] [--csv FILE]: the votes sent, with hits and return, then the balance by day
// and month.
int RunJournalCommand(CliSession& session, const CliOptions& options);

}  // namespace kagiroi
