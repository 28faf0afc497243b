#include "daystore/RecordFields.h"

#include "daystore/RecordLayout.h"

#include <algorithm>

namespace kagiroi {

int RegisteredRunners(std::string_view raceInfo) {
    return std::clamp(NumberAt(raceInfo, RA::Registered), 0, kMaxRunners);
}

}  // namespace kagiroi
