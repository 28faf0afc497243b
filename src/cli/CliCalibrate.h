#pragma once

#include "cli/CliOptions.h"
#include "cli/CliSession.h"

namespace kagiroi {

// calibrate FROM TO [--save] [--png FILE] [--jobs N]
int RunCalibrateCommand(CliSession& session, const CliOptions& options);

}  // namespace kagiroi
