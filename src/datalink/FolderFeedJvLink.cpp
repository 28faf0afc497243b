#include "datalink/FolderFeedJvLink.h"

#include "datalink/JvRecordKinds.h"
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
    int length = JvRecordLength(line.substr(0, 2));
    if (length == 0 || line.size() + 2 != static_cast<size_t>(length)) return std::nullopt;
    if (!IsValidSjis(line)) return std::nullopt;
    if (!IsDigits(line.substr(3, 8))) return std::nullopt;  // creation date
    std::string record(line);
    record += "\r\n";
    return record;
}

// The records of a file that pass the filter; `malformed` (when given) counts the lines that
// are no records.
std::vector<std::string> RecordsOfFile(const std::string& path, const RecordFilter& wanted,
                                       int* malformed) {
    std::vector<std::string> records;
    std::optional<std::string> text = ReadWholeFile(path);
    if (!text) return records;
    // Lines end at CR LF, LF or a lone CR, so no record handed out holds a line break.
    for (const std::string& line : SplitLines(*text)) {
        if (line.empty()) continue;
        std::optional<std::string> record = RecordOfLine(line);
        if (!record) {
            if (malformed != nullptr) ++*malformed;
            continue;
        }
        if (wanted(*record)) records.push_back(std::move(*record));
    }
    return records;
}

bool KindIn(const std::string& record, std::initializer_list<std::string_view> kinds) {
    std::string_view kind(record.data(), 2);
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

RecordFilter RealTimeFilter(const std::string& dataSpec, const std::string& key) {
    if (dataSpec == "0B30")
        return [key](const std::string& r) {
            return KindIn(r, {"O1", "O2", "O3", "O4", "O5", "O6"}) && Field(r, 12, 16) == key;
        };
    if (dataSpec == "0B12")
        return [key](const std::string& r) {
            return KindIn(r, {"RA", "SE", "HR"}) && Field(r, 12, 8) == key;
        };
    if (dataSpec == "0B13")
        return [key](const std::string& r) { return KindIn(r, {"DM"}) && Field(r, 12, 8) == key; };
    return [key](const std::string& r) {
        return KindIn(r, {"WE", "AV", "JC", "TC", "CC"}) && Field(r, 12, 8) == key;
    };
}

}  // namespace

FolderFeedJvLink::FolderFeedJvLink(std::string folder) : folder_(std::move(folder)) {}

JvOffer FolderFeedJvLink::OfferStored(const JvStoredRequest& request) {
    malformed_ = 0;
    JvOffer offer;
    if (!DirectoryExists(folder_)) {
        offer.code = jv::kInternalError;
        return offer;
    }
    std::string fromDay = FormatDateTime(request.from, "yyyymmdd");
    auto wanted = [fromDay](const std::string& r) { return Field(r, 4, 8) >= fromDay; };
    std::string newestDay;
    for (const std::string& name : ListFiles(folder_)) {
        std::string path = JoinPath(folder_, name);
        std::vector<std::string> records = RecordsOfFile(path, wanted, &malformed_);
        if (records.empty()) continue;
        for (const std::string& r : records)
            newestDay = std::max(newestDay, Field(r, 4, 8));
        // Read again when the loop reaches the file, so only one file is held at a time.
        offer.files.push_back(
            {name, [path, wanted] { return RecordsOfFile(path, wanted, nullptr); }});
    }
    if (!newestDay.empty()) offer.newestStamp = newestDay + "000000";
    return offer;
}

JvOffer FolderFeedJvLink::OfferRealTime(const std::string& dataSpec, const std::string& key) {
    malformed_ = 0;
    JvOffer offer;
    if (!DirectoryExists(folder_)) {
        offer.code = jv::kInternalError;
        return offer;
    }
    RecordFilter wanted = RealTimeFilter(dataSpec, key);
    auto records = std::make_shared<std::vector<std::string>>();
    for (const std::string& name : ListFiles(folder_)) {
        std::vector<std::string> part = RecordsOfFile(JoinPath(folder_, name), wanted, &malformed_);
        std::move(part.begin(), part.end(), std::back_inserter(*records));
    }
    if (!records->empty())
        offer.files.push_back({dataSpec + key + ".rt", [records] { return *records; }});
    return offer;
}

}  // namespace kagiroi
