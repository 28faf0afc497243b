#include "records/LossLedger.h"

#include "platform/Format.h"
#include "platform/TextField.h"
#include "platform/TextLines.h"

namespace kagiroi {

LossLedger::LossLedger(std::string path) : path_(std::move(path)) {}

bool IsLedgerAmount(const std::string& text) {
    std::string t = Trim(text);
    std::string digits = !t.empty() && t[0] == '-' ? t.substr(1) : t;
    return !digits.empty() && digits.size() <= 6 && IsDigits(digits);
}

std::vector<std::string> LossLedger::Load() {
    lines_.clear();
    readError_.reset();
    FileContents contents = ReadFileContents(path_);
    if (contents.status == ReadStatus::Failed) {
        readError_ = contents.error;
        return {};
    }
    std::vector<std::string> problems;
    int number = 0;
    for (const std::string& text : SplitLines(contents.data)) {
        ++number;
        // Only a line of nothing but spaces is no entry at all; one of control bytes is damage,
        // kept and written back like any other line that does not read.
        if (text.find_first_not_of(' ') == std::string::npos) continue;
        auto fields = SplitQuotedCsv(text);
        fields.resize(4);
        Line line{{fields[0], fields[1], fields[2], fields[3]}, text, false};
        if (!IsLedgerAmount(line.entry.amount)) {
            line.damaged = true;
            problems.push_back(Format("%s の %d 行目は損失金が読めないため、集計から外しました：",
                                      FileNameOf(path_).c_str(), number) +
                               text);
        }
        lines_.push_back(std::move(line));
    }
    return problems;
}

bool LossLedger::Save(FileError* error) const {
    if (readError_) {
        if (error != nullptr) *error = *readError_;
        return false;
    }
    std::string text;
    for (const auto& line : lines_) {
        const LossEntry& e = line.entry;
        text += line.damaged ? line.kept : QuotedCsvLine({e.number, e.race, e.betType, e.amount});
        text += "\r\n";
    }
    return WriteFileAtomic(path_, text, error);
}

std::vector<LossEntry> LossLedger::Entries() const {
    std::vector<LossEntry> entries;
    for (const auto& line : lines_)
        if (!line.damaged) entries.push_back(line.entry);
    return entries;
}

int LossLedger::EntryCount() const {
    int count = 0;
    for (const auto& line : lines_)
        count += line.damaged ? 0 : 1;
    return count;
}

LossLedger::Line* LossLedger::EntryLine(int index) {
    for (auto& line : lines_) {
        if (line.damaged) continue;
        if (index-- == 0) return &line;
    }
    return nullptr;
}

int LossLedger::FindRace(const std::string& race) const {
    int index = 0;
    for (const auto& line : lines_) {
        if (line.damaged) continue;
        if (line.entry.race == race) return index;
        ++index;
    }
    return -1;
}

void LossLedger::Add(LossEntry entry) {
    lines_.push_back({std::move(entry), {}, false});
}

void LossLedger::Replace(int index, LossEntry entry) {
    if (Line* line = EntryLine(index)) line->entry = std::move(entry);
}

void LossLedger::Remove(int index) {
    Line* line = EntryLine(index);
    if (line == nullptr) return;
    lines_.erase(lines_.begin() + (line - lines_.data()));
    int number = 0;
    for (auto& l : lines_)
        if (!l.damaged) l.entry.number = Format("%2d", ++number);
}

void LossLedger::Clear() {
    std::erase_if(lines_, [](const Line& line) { return !line.damaged; });
}

int64_t LossLedger::CumulativeLoss() const {
    // Every amount has at most six digits, so the sum cannot overflow.
    int64_t total = 0;
    for (const auto& line : lines_)
        if (!line.damaged) total += ToInt64(line.entry.amount);
    return total;
}

std::string LossLedger::CumulativeLossText() const {
    if (EntryCount() == 0) return {};
    return Format("%8lld", static_cast<long long>(CumulativeLoss()));
}

}  // namespace kagiroi
