#pragma once

#include "cli/CliOptions.h"
#include "cli/CliSession.h"

namespace kagiroi {

// settings investment [--amount YEN] [--rate PCT] [--target YEN] |
// settings model [--alpha A] [--lambda L] [--tau T] |
// settings source [demo|component|FOLDER]
int RunSettingsCommand(CliSession& session, const CliOptions& options);

}  // namespace kagiroi
