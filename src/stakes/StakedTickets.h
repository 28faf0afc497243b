#pragma once

#include "daystore/RaceSlot.h"
#include "platform/TextGrid.h"
#include "platform/Ui.h"
#include "racing/BetType.h"
#include "stakes/VoteConfirmation.h"

#include <string>

namespace kagiroi {

struct BetColumns;

// The day and race a ticket table leaves the program for, as the window holds them.
struct TicketSource {
    std::string dayText;             // the date box; blank when no day is loaded
    const RaceSlot* race = nullptr;  // the selected race; null when none is selected
    std::string raceListText;        // the selected race's entry in the race list
    VoteCautions cautions;           // what the confirmation warns of
};

// A row that holds a ticket with a stake: combination, odds and stake cells all non-blank.
bool HasStakedTicket(const TextGrid& table, const BetColumns& c, int row);
// A staked ticket that is not struck out: one that leaves the program.
bool IsSentTicket(const TextGrid& table, const BetColumns& c, int row);

// The three checks before a table's tickets leave the program, in order: a day is loaded, a
// race with a date of digits is selected (a date that cannot name a file counts as none), and
// the table holds a staked ticket (struck or not). A failed check beeps, tells the user and
// answers false.
bool TicketsReadyToSend(const TextGrid& table, BetType type, const TicketSource& source, Ui& ui);

// Beeps and shows the message.
void RefuseWithMessage(Ui& ui, const std::string& message);

// The race's date fields read as digits.
bool RaceDateIsDigits(const std::string& raceInfo);

}  // namespace kagiroi
