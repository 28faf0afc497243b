#include "records/LossLedger.h"

#include "platform/FileSystem.h"
#include "platform/Format.h"
#include "platform/TextField.h"
#include "platform/TextLines.h"

namespace kagiroi {

LossLedger::LossLedger(std::string path) : path_(std::move(path)) {}

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

void LossLedger::Load() {
    entries_.clear();
    FileContents contents = ReadFileContents(path_);
    unreadable_ = contents.status == ReadStatus::Failed;
    for (const std::string& line : SplitLines(contents.data)) {
        if (IsBlank(line)) continue;
        auto fields = SplitQuotedCsv(line);
        fields.resize(4);
        entries_.push_back({fields[0], fields[1], fields[2], fields[3]});
    }
}

namespace {

// A quote inside a field is doubled, as the reader expects, so that a field reads back whole.
std::string Quoted(const std::string& field) {
    std::string text = "\"";
    for (char c : field) {
        text += c;
        if (c == '"') text += '"';
    }
    return text + "\"";
}

// The most an amount box takes: six digits with its sign.
constexpr int64_t kLargestAmount = 999999;

}  // namespace

bool LossLedger::Save() const {
    if (unreadable_) return false;
    std::string text;
    for (const auto& e : entries_)
        text += Quoted(e.number) + "," + Quoted(e.race) + "," + Quoted(e.betType) + "," +
                Quoted(e.amount) + "\r\n";
    return WriteFileAtomic(path_, text);
}

long long LossLedger::CumulativeLoss() const {
    long long total = 0;
    // An amount no box could have entered is left out of the total rather than overflow it.
    for (const auto& e : entries_) {
        int64_t amount = ToInt64(e.amount);
        if (amount >= -kLargestAmount && amount <= kLargestAmount) total += amount;
    }
    return total;
}

std::string LossLedger::CumulativeLossText() const {
    if (entries_.empty()) return {};
    return Format("%8lld", CumulativeLoss());
}

}  // namespace kagiroi
