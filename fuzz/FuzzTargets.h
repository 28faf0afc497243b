#pragma once

#include "FuzzDriver.h"

#include <string>
#include <vector>

namespace kagiroi::fuzz {

// A folder of the run's own for one target, emptied of files before each input.
std::string WorkFolder(const std::string& target);

std::vector<FuzzTarget> TextTargets();
std::vector<FuzzTarget> DayTargets();

}  // namespace kagiroi::fuzz
