#pragma once

#include <string>
#include <string_view>

namespace kagiroi {

// The record kinds the day store keeps.
enum class RecordKind { RA, SE, HR, O1, O5, O6, DM, WE, TC, Other };

RecordKind KindOf(std::string_view record);
// Length of a record of the kind, CR LF included (0 for Other).
int RecordLengthOf(RecordKind kind);
// A record that can be stored at all: a known kind, exactly its kind's length, ending in CR LF
// and with no line break inside, so it can never break the fixed-length line structure.
bool IsWellFormedRecord(std::string_view record);

// Which writer stores a record; the two have different rules.
enum class StoreRoute { Download, RealTime };

// The download's rules: RA, SE and HR from the start date minus 10 on (numbers yyyymmdd);
// O1, O5, O6 only with final odds asked for; DM, WE and TC not at all.
bool PassesDownloadFilter(std::string_view record, int startDate, bool finalOdds);
// An odds record of an announcement before the final odds (data kind 1, 2 or 3) of a race: a
// download keeps it in the odds history, never in the day files.
bool IsAnnouncedOdds(std::string_view record);
// The real-time fetch's rules (every kind it can receive).
bool PassesRealTimeFilter(std::string_view record);

// Whether the stored line replaces positions 3..11 (data kind and creation date) by zeros.
bool NormalisesHead(RecordKind kind, StoreRoute route);
// The line a well-formed record becomes in its day file: the record less its CR LF, with the
// head normalised where the route says so.
std::string StoredLine(std::string_view record, StoreRoute route);
// Whether the store needs the day file to exist already (real-time RA and SE).
bool NeedsExistingFile(RecordKind kind, StoreRoute route);

}  // namespace kagiroi
