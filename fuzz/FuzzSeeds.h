#pragma once

#include <string>
#include <vector>

namespace kagiroi::fuzz {

// Every record of a demo download at a fixed moment (odds, results and changes of the demo's
// race day included), made once.
const std::vector<std::string>& DemoRecords();
// The demo records of one kind ("RA", "O1", ...).
std::vector<std::string> DemoRecordsOf(const std::string& kind);
// Records as the tests build them: blank-filled with a few fields put.
std::vector<std::string> BuiltRecordsOf(const std::string& kind, int length);

}  // namespace kagiroi::fuzz
