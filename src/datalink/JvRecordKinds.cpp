#include "datalink/JvRecordKinds.h"

#include "daystore/RecordLayout.h"

#include <array>
#include <utility>

namespace kagiroi {

namespace {

// The race-related kinds of the stored and real-time data.
constexpr std::array<std::pair<std::string_view, int>, 22> kLengths = {{
    {"RA", kRaLength}, {"SE", kSeLength}, {"HR", kHrLength}, {"H1", 28955},     {"H6", 102890},
    {"O1", kO1Length}, {"O2", 2042},      {"O3", 2654},      {"O4", 4031},      {"O5", kO5Length},
    {"O6", kO6Length}, {"WF", 7215},      {"JG", 80},        {"DM", kDmLength}, {"TM", 141},
    {"WE", kWeLength}, {"AV", 78},        {"JC", 161},       {"TC", kTcLength}, {"CC", 50},
    {"WH", 847},       {"YS", 382},
}};

}  // namespace

int JvRecordLength(std::string_view kind) {
    for (const auto& [name, length] : kLengths)
        if (name == kind) return length;
    return 0;
}

}  // namespace kagiroi
