#pragma once

#include "app/TMainForm.h"

#include <string>
#include <vector>

namespace kagiroi {

using TextRows = std::vector<std::vector<std::string>>;

// The cell texts of a grid, header row first, exactly as the grid holds them.
TextRows GridRows(const TextGrid& grid);
// The header labels of the selected race, one a row.
TextRows HeaderRows(const TMainForm& form);
// The four totals of ３連複 and ３連単 under their captions.
TextRows TotalsRows(const TMainForm& form);
// Every ticket of both tables with its odds, chance (percent) and expected value.
TextRows ExpectedValueRows(const TMainForm& form);
// The results page: one row per entry, the group's caption first.
TextRows ResultsRows(const TMainForm& form);

// The table a --table name chooses; empty rows for an unknown name.
bool IsTableName(const std::string& name);
TextRows TableRows(const TMainForm& form, const std::string& name);

}  // namespace kagiroi
