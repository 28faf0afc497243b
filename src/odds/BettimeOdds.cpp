#include "odds/BettimeOdds.h"

#include "odds/MiningImport.h"
#include "odds/OddsImport.h"
#include "odds/TimeSeriesImport.h"

namespace kagiroi {

bool TakeBettimeOdds(RaceSlot& race, const std::string& folder,
                     std::vector<std::string>& logLines) {
    if (race.IsEmpty()) return false;
    bool taken = false;
    for (OddsKind kind : {OddsKind::O1, OddsKind::O5, OddsKind::O6}) {
        auto line = NearestAnnouncementOf(race, kind, folder, logLines);
        if (!line) continue;
        std::string& copy = kind == OddsKind::O1   ? race.O1Copy
                            : kind == OddsKind::O5 ? race.O5Copy
                                                   : race.O6Copy;
        copy = std::move(*line);
        taken = true;
    }
    if (!taken) return false;
    for (std::string& line : ImportOddsCopies(race))
        logLines.push_back(std::move(line));
    // Cancelled runners take no mining rank: other odds can change who they are.
    ComputeMiningBlock(race);
    return true;
}

}  // namespace kagiroi
