#pragma once

#include "daystore/RaceSlot.h"
#include "odds/OddsFiles.h"

#include <string>
#include <string_view>
#include <vector>

namespace kagiroi {

inline constexpr double kCancelledOdds = -1.0;
inline constexpr double kBlankOdds = -2.0;

// An odds field as the record holds it: digits in tenths, the cancelled mark (the field full of
// "-" or of "*"), or blanks. Anything else is malformed and reads as blank.
struct OddsReading {
    double odds = kBlankOdds;
    int tenths = 0;  // the digits' value when they are digits
    bool malformed = false;
};
OddsReading ReadOddsField(std::string_view field);

// The win odds field of a horse (1..18) in an O1 record.
OddsReading WinOddsOf(const std::string& o1, int horse);

// The odds import of one race slot (OzReadBtnClick for OddsTargetRace): finds the race's O1, O5
// and O6 records, keeps them as the slot's copies, fills its OddsBook with odds and popularity
// ranks and ends with ComputeRunnerIndices. A record that is not found leaves its copy as it was.
// A malformed odds field or an unreadable odds file never ends the import: the field (or the
// file's whole table for this race) counts as blank, and one line naming the file and the race
// is returned for the error log. The paths of the files that could not be read are added to
// `unreadableFiles` when given (each once).
std::vector<std::string> ImportOdds(RaceSlot& slot, OddsFiles& files,
                                    std::vector<std::string>* unreadableFiles = nullptr);

// The same import over the slot's copies as they stand, for odds taken from elsewhere than the
// day files (a time-series announcement); no file is read.
std::vector<std::string> ImportOddsCopies(RaceSlot& slot);

// What the user is told once about odds files that could not be read: their paths and that
// their odds are blank, on one line.
std::string UnreadableOddsMessage(const std::vector<std::string>& files);

}  // namespace kagiroi
