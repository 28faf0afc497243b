#include "platform/QuotedCsv.h"

namespace kagiroi {

std::string QuotedCsvField(const std::string& field) {
    std::string text = "\"";
    for (char c : field) {
        text += c;
        if (c == '"') text += '"';
    }
    return text + "\"";
}

std::string QuotedCsvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (size_t k = 0; k < fields.size(); ++k)
        line += (k ? "," : "") + QuotedCsvField(fields[k]);
    return line;
}

std::vector<std::string> SplitQuotedCsv(const std::string& line) {
    std::vector<std::string> fields;
    std::string field;
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.push_back(field);
            field.clear();
        } else {
            field += c;
        }
    }
    fields.push_back(field);
    return fields;
}

}  // namespace kagiroi
