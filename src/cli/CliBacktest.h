#pragma once

#include "cli/CliOptions.h"
#include "cli/CliSession.h"

#include <optional>
#include <string>

namespace kagiroi {

// backtest FROM TO [--amount YEN] [--mode ...] [--odds final|bettime] [--csv FILE] [--png FILE]
// [--jobs N]
int RunBacktestCommand(CliSession& session, const CliOptions& options);

// What the replaying commands share.
// "yyyy-mm-dd" as yyyymmdd; nothing for any other text.
std::optional<std::string> DigitsOfDay(const std::string& day);
// FROM and TO as yyyymmdd; false (told) unless they are two days, FROM not after TO.
bool ReadDayRange(CliSession& session, const CliOptions& options, std::string& from,
                  std::string& to);
// --jobs, one a core when not given; nothing (told) for a wrong value.
std::optional<int> ReadJobsOption(CliSession& session, const CliOptions& options);
// --odds final|bettime as whether to replay at the odds of the moment of betting; nothing when
// not given (the replay's default); false (told) for another word.
bool ReadOddsOption(CliSession& session, const CliOptions& options, std::optional<bool>& bettime);
// Writes a file a path option names and prints its path; false (told, with the file's name)
// when it cannot.
bool WriteOptionFile(CliSession& session, const CliOptions& options, const std::string& typed,
                     const std::string& data);

}  // namespace kagiroi
