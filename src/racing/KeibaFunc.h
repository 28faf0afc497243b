#pragma once

// The racing function unit: code-to-label tables, number formatters, racecourse names and the
// numbering of trio and trifecta combinations. Pure functions of Shift_JIS texts; none keeps
// state and none fails: an unknown code gives the table's result for unlisted codes.

#include <string>
#include <string_view>

namespace kagiroi {

// --- Code tables ---------------------------------------------------------------------------
std::string RaceTypeLabel(std::string_view code);    // 16 bytes
std::string RaceSymbolLabel(std::string_view code);  // padded with full-width spaces to 24 bytes
std::string ConditionLabel(std::string_view type, std::string_view age2, std::string_view age3,
                           std::string_view age4, std::string_view age5);
std::string ClassLabel(std::string_view type, std::string_view condition);
std::string GradeLabel(std::string_view code);  // 5 bytes
std::string WeightTypeLabel(std::string_view code);
std::string WeekdayLabel(std::string_view code);
std::string TrackLabel(std::string_view code);
std::string TrackShortLabel(std::string_view code);
std::string WeatherLabel(std::string_view code);
std::string GoingLabel(std::string_view code, int surface);  // surface 1 turf, 2 dirt
std::string SexLabel(std::string_view code);

// "①".."⑱" for 1..18 by value; "－" otherwise.
std::string CircledNumber(std::string_view number);
// The field read as an integer, right-aligned as wide as the field; blanks when it is 0.
std::string FormatIntField(std::string_view field);
// Three horse numbers ascending, "%2d-%2d-%2d"; empty when two are equal or one is outside 1..18.
std::string TrioText(int a, int b, int c);

// The two-character name of a racecourse code (4 bytes); empty for codes not in the table.
std::string RacecourseName(std::string_view code);

// --- Combination numbering -----------------------------------------------------------------
inline constexpr int kTrioCount = 816;
inline constexpr int kTrifectaCount = 4896;
inline constexpr int kBracketPairCount = 36;

// Index 1..816 of an exact trio text (" 1- 2- 3", ascending); 0 for any other text.
int TrioIndex(std::string_view text);
// The trio text of an index; eight spaces outside 1..816.
std::string TrioByIndex(int index);
// Index 1..4896 of an exact trifecta text (finishing order); 0 for any other text.
int TrifectaIndex(std::string_view text);
std::string TrifectaByIndex(int index);
// The bracket 1..8 of horse `horse` in a field of `fieldSize` (登録頭数); 0 unless
// 1 <= horse <= fieldSize <= 18.
int BracketOf(int fieldSize, int horse);
// 1..36 for brackets i <= j in the order of the win/place/bracket odds record; 0 otherwise.
int BracketPairIndex(int first, int second);

// "%2d-" per number but the last, "%2d" for the last: the form of every combination text.
std::string CombinationText(int first, int second);
std::string CombinationText(int first, int second, int third);

}  // namespace kagiroi
