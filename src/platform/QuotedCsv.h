#pragma once

#include <string>
#include <vector>

namespace kagiroi {

// The program's own CSV files write every field in double quotes, a quote inside doubled, so
// that a field with a comma reads back whole.
std::string QuotedCsvField(const std::string& field);
std::string QuotedCsvLine(const std::vector<std::string>& fields);  // without the line end

// Splits one CSV line of quoted fields: quotes removed, commas inside quotes kept.
std::vector<std::string> SplitQuotedCsv(const std::string& line);

}  // namespace kagiroi
