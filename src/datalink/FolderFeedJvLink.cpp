#include "datalink/FolderFeedJvLink.h"

#include "datalink/JvRecordKinds.h"
#include "datalink/RealTimeDataSpecs.h"
#include "daystore/RecordLayout.h"
#include "platform/FileSystem.h"
#include "platform/Format.h"
#include "platform/Sjis.h"
#include "platform/TextField.h"
#include "platform/TextLines.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

namespace kagiroi {

namespace {

using RecordFilter = std::function<bool(const std::string&)>;

// The record a line holds (with its CR LF), or nothing when the line is not a sound record.
std::optional<std::string> RecordOfLine(std::string_view line) {
    int length = JvRecordLength(FieldAt(line, RaceHead::Kind));
    if (length == 0 || line.size() + 2 != static_cast<size_t>(length)) return std::nullopt;
    if (!IsValidSjis(line)) return std::nullopt;
    if (!IsDigits(FieldAt(line, RaceHead::Created))) return std::nullopt;
    std::string record(line);
    record += "\r\n";
    return record;
}

// A creation date as the stamp of the newest moment of its day: a download from that stamp on
// finds the day's records already taken.
std::string DayStamp(const std::string& record) {
    return FieldAt(record, RaceHead::Created) + "235959";
}

// The records of a file that pass the filter. Lines end at CR LF, LF or a lone CR, so no record
// handed out holds a CR of its own. `skipped` (when given) gets the numbers of the lines that
// are no records.
std::vector<std::string> RecordsOfFile(const std::string& path, const RecordFilter& wanted,
                                       std::vector<int>* skipped) {
    std::vector<std::string> records;
    std::optional<std::string> text = ReadWholeFile(path);
    if (!text) return records;
    // Lines end at CR LF, LF or a lone CR, so no record handed out holds a line break.
    std::vector<std::string> lines = SplitLines(*text);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        std::optional<std::string> record = RecordOfLine(lines[i]);
        if (!record) {
            if (skipped != nullptr) skipped->push_back(static_cast<int>(i + 1));
            continue;
        }
        if (wanted(*record)) records.push_back(std::move(*record));
    }
    return records;
}

// A record of the data spec's kinds whose race key begins with the request's key.
RecordFilter RealTimeFilter(const RealTimeDataSpec& entry, const std::string& key) {
    return [&entry, key](const std::string& r) {
        return KindAmong(r, entry.served) &&
               Field(r, RaceHead::RaceKey.pos, static_cast<int>(entry.keyLength)) == key;
    };
}

}  // namespace

std::string FolderMissingText(const std::string& folder) {
    return "データフォルダ「" + folder + "」が見つかりません。";
}

FolderFeedJvLink::FolderFeedJvLink(std::string folder) : folder_(std::move(folder)) {}

bool FolderFeedJvLink::StartOffer(JvOffer& offer) {
    skipped_.clear();
    failure_.clear();
    if (DirectoryExists(folder_)) return true;
    failure_ = FolderMissingText(folder_);
    offer.code = jv::kInternalError;
    return false;
}

std::vector<std::string> FolderFeedJvLink::Read(const std::string& name,
                                                const RecordFilter& wanted) {
    std::vector<int> lines;
    std::vector<std::string> records = RecordsOfFile(JoinPath(folder_, name), wanted, &lines);
    for (int line : lines)
        skipped_.push_back(Format("%s %d行目", name.c_str(), line));
    return records;
}

JvOffer FolderFeedJvLink::OfferStored(const JvStoredRequest& request) {
    JvOffer offer;
    if (!StartOffer(offer)) return offer;
    std::string from = FormatDateTime(request.from, "yyyymmddhhnnss");
    RecordFilter wanted = [from](const std::string& r) { return DayStamp(r) > from; };
    for (const std::string& name : ListFiles(folder_)) {
        std::vector<std::string> records = Read(name, wanted);
        if (records.empty()) continue;
        for (const std::string& r : records)
            offer.newestStamp = std::max(offer.newestStamp, DayStamp(r));
        // Read again when the loop reaches the file, so only one file is held at a time.
        std::string path = JoinPath(folder_, name);
        offer.files.push_back(
            {name, [path, wanted] { return RecordsOfFile(path, wanted, nullptr); }});
    }
    return offer;
}

JvOffer FolderFeedJvLink::OfferRealTime(const std::string& dataSpec, const std::string& key) {
    JvOffer offer;
    const RealTimeDataSpec* entry = FindRealTimeDataSpec(dataSpec);  // checked by the open
    if (entry == nullptr || !StartOffer(offer)) return offer;
    RecordFilter wanted = RealTimeFilter(*entry, key);
    auto records = std::make_shared<std::vector<std::string>>();
    for (const std::string& name : ListFiles(folder_)) {
        std::vector<std::string> part = Read(name, wanted);
        std::move(part.begin(), part.end(), std::back_inserter(*records));
    }
    if (!records->empty())
        offer.files.push_back({dataSpec + key + ".rt", [records] { return *records; }});
    return offer;
}

}  // namespace kagiroi
