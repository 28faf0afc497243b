#pragma once

#include "cli/CliOptions.h"
#include "cli/CliSession.h"

namespace kagiroi {

// print DAY: the race list page of DAY as its drawing operations, or with --pdf FILE as a PDF.
int RunPrintCommand(CliSession& session, const CliOptions& options);

}  // namespace kagiroi
