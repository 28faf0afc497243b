#include "daystore/DayStore.h"

#include "daystore/DayFiles.h"
#include "daystore/RecordLayout.h"
#include "platform/FileSystem.h"
#include "platform/FolderLock.h"
#include "platform/Format.h"
#include "platform/TextField.h"
#include "platform/TextLines.h"

#include <algorithm>
#include <memory>

namespace kagiroi {

namespace {

// Beyond this many bytes of cached lines the store writes what it holds and starts afresh,
// so a long download never holds more than this in memory.
constexpr size_t kCacheBudget = 256u << 20;

constexpr int kWeKeyLength = 23;

size_t ByteSize(const std::vector<std::string>& lines) {
    size_t size = 0;
    for (const auto& line : lines)
        size += line.size() + 2;
    return size;
}

std::string KeyOf(RecordKind kind, std::string_view line) {
    return kind == RecordKind::WE ? Field(line, RaceHead::RaceKey.pos, kWeKeyLength)
                                  : FieldAt(line, RaceHead::RaceKey);
}

// The lines of a day file as its readers see them. Every record has its kind's length, so a CR
// or LF among a line's first `lineLength` bytes is damage inside a record, not its end: split
// there, the record's tail would stay as a line of its own beside the record served again, and
// every line after it would move. A CR LF always ends a line (a short line keeps its place).
std::vector<std::string> SplitRecordLines(std::string_view text, size_t lineLength) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        bool pair = false;
        for (; end != std::string_view::npos; end = text.find_first_of("\r\n", end + 1)) {
            pair = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
            if (pair || end - start >= lineLength) break;
        }
        if (end == std::string_view::npos) end = text.size();
        lines.emplace_back(text.substr(start, end - start));
        start = end + (pair ? 2 : 1);
    }
    return lines;
}

// Kinds whose blank first line (left by an old blank record) is dropped after a store.
bool DropsBlankFirstLine(RecordKind kind) {
    return kind == RecordKind::RA || kind == RecordKind::O1 || kind == RecordKind::O5 ||
           kind == RecordKind::O6 || kind == RecordKind::DM || kind == RecordKind::TC;
}

}  // namespace

std::vector<std::string> BlankRunnerLines() {
    return std::vector<std::string>(kRunnerFileLines, std::string(kSeLength - 2, ' '));
}

DayStore::DayStore(std::string programFolder) : programFolder_(std::move(programFolder)) {}

DayStore::~DayStore() {
    FlushAndReport();
}

void DayStore::FlushAndReport() {
    FileFailure failure;
    if (!Flush(&failure) && report_) report_(failure);
}

std::string DayStore::FileFor(const std::string& record) const {
    RecordKind kind = KindOf(record);
    auto day = DayTextOf(record);
    if (!day || kind == RecordKind::Other) return {};
    if (kind == RecordKind::SE) {
        auto raceFile = PathsForDay(programFolder_, *day).raceFile;
        return RunnerFilePath(raceFile, FieldAt(record, RaceHead::Course)).value_or("");
    }
    if (kind == RecordKind::WE || kind == RecordKind::TC)
        return ChangeFilePath(programFolder_, *day, DayFileExtension(kind));
    return JoinPath(DataFolder(programFolder_), *day + DayFileExtension(kind));
}

DayStore::CachedFile& DayStore::Cached(const std::string& path, RecordKind kind) {
    auto found = cache_.find(path);
    if (found != cache_.end()) return found->second;
    CachedFile file;
    // Taken before the read: a rewrite after it shows as another version at the flush.
    file.stamp = StampOf(path);
    FileContents contents = ReadFileContents(path);
    file.exists = contents.status != ReadStatus::Missing;
    file.unreadable = contents.status == ReadStatus::Failed;
    file.readError = contents.error;
    file.lines = SplitRecordLines(contents.data, static_cast<size_t>(RecordLengthOf(kind) - 2));
    file.bytes = ByteSize(file.lines);
    cachedBytes_ += file.bytes;
    return cache_.emplace(path, std::move(file)).first->second;
}

bool DayStore::Store(const std::string& record, StoreRoute route) {
    if (!IsWellFormedRecord(record)) return false;
    RecordKind kind = KindOf(record);
    std::string path = FileFor(record);
    if (path.empty()) return false;
    if (kind == RecordKind::SE) {
        int race = NumberAt(record, RaceHead::RaceNumber);
        int horse = NumberAt(record, SE::Horse);
        if (race < 1 || race > kRacesPerCourse || horse < 1 || horse > kMaxRunners) return false;
    }
    CachedFile& file = Cached(path, kind);
    if (NeedsExistingFile(kind, route) && !file.exists) return false;
    if (file.unreadable) {
        ++file.refused;
        return false;
    }

    std::string line = StoredLine(record, route);
    size_t before = file.bytes;
    file.kind = kind;
    file.stored.push_back(line);
    file.storedBytes += line.size() + 2;
    if (!Apply(file, std::move(line))) {
        file.storedBytes -= file.stored.back().size() + 2;
        file.stored.pop_back();
        return false;
    }
    file.dirty = true;
    cachedBytes_ = cachedBytes_ - before + file.bytes;
    KeepCacheSmall();
    return true;
}

bool DayStore::Apply(CachedFile& file, std::string line) {
    bool stored = file.kind == RecordKind::SE
                      ? StoreRunner(file, std::move(line))
                      : (StoreKeyed(file, file.kind, std::move(line)), true);
    // The pending lines are kept besides the file's: both count against the budget.
    file.bytes = ByteSize(file.lines) + file.storedBytes;
    return stored;
}

bool DayStore::Reload(const std::string& path, CachedFile& file, FileError& error) {
    file.stamp = StampOf(path);
    FileContents contents = ReadFileContents(path);
    if (contents.status == ReadStatus::Failed) {
        error = contents.error;
        return false;
    }
    file.exists = contents.status == ReadStatus::Read;
    file.lines =
        SplitRecordLines(contents.data, static_cast<size_t>(RecordLengthOf(file.kind) - 2));
    for (const std::string& line : file.stored)
        Apply(file, line);
    return true;
}

bool DayStore::WriteOut(const std::string& path, CachedFile& file, FileError& error) {
    // Another program stored into the file since it was loaded: its records stay.
    if (StampOf(path) != file.stamp && !Reload(path, file, error)) return false;
    if (!MakeDirectories(FolderOf(path), &error) ||
        !WriteFileAtomic(path, JoinLines(file.lines), &error))
        return false;
    file.stamp = StampOf(path);
    file.stored.clear();
    file.storedBytes = 0;
    return true;
}

void DayStore::StoreKeyed(CachedFile& file, RecordKind kind, std::string line) {
    auto& lines = file.lines;
    std::string key = KeyOf(kind, line);
    auto same = std::find_if(lines.begin(), lines.end(),
                             [&](const std::string& l) { return KeyOf(kind, l) == key; });
    if (kind == RecordKind::TC) {
        if (same != lines.end()) {
            *same = std::move(line);
        } else {
            auto place = std::find_if(lines.begin(), lines.end(),
                                      [&](const std::string& l) { return l > line; });
            lines.insert(place, std::move(line));
        }
    } else {
        if (same != lines.end()) {
            *same = std::move(line);
        } else {
            lines.push_back(std::move(line));
        }
        std::sort(lines.begin(), lines.end());
    }
    if (DropsBlankFirstLine(kind) && !lines.empty() && IsBlank(lines.front()))
        lines.erase(lines.begin());
}

bool DayStore::StoreRunner(CachedFile& file, std::string line) {
    if (!file.exists && file.lines.empty()) file.lines = BlankRunnerLines();
    // A runner file not written by this program may be short; fill it to its 216 lines.
    while (file.lines.size() < static_cast<size_t>(kRunnerFileLines))
        file.lines.emplace_back(kSeLength - 2, ' ');
    int race = NumberAt(line, RaceHead::RaceNumber);
    int horse = NumberAt(line, SE::Horse);
    file.lines[static_cast<size_t>((race - 1) * kMaxRunners + (horse - 1))] = std::move(line);
    return true;
}

bool DayStore::Flush(FileFailure* failure) {
    bool ok = true;
    auto fail = [&](const std::string& what, const FileError& error) {
        if (ok && failure != nullptr) *failure = DescribeFailure(what, error);
        ok = false;
    };
    // Taken only with something to write: a flush before a day load must not wait for nothing.
    std::unique_ptr<FolderLock> lock =
        HasPendingWrites() ? std::make_unique<FolderLock>() : nullptr;
    for (auto it = cache_.begin(); it != cache_.end();) {
        auto& [path, file] = *it;
        if (file.unreadable) {
            // Told once; the next store reads the file afresh.
            if (file.refused > 0)
                fail(Format("%s を読み込めないため、%d件の記録を保存しませんでした", path.c_str(),
                            file.refused),
                     file.readError);
            cachedBytes_ -= file.bytes;
            it = cache_.erase(it);
            continue;
        }
        ++it;
        if (!file.dirty) continue;
        FileError error = lock->Error();
        size_t before = file.bytes;
        bool written = lock->Held() && WriteOut(path, file, error);
        file.bytes = ByteSize(file.lines) + file.storedBytes;
        cachedBytes_ = cachedBytes_ - before + file.bytes;
        if (!written) {
            fail(path + " に書き込めないため、記録を保存しませんでした", error);
            continue;
        }
        file.dirty = false;
        file.exists = true;
    }
    if (!HasPendingWrites()) {
        cache_.clear();
        cachedBytes_ = 0;
    }
    return ok;
}

bool DayStore::HasPendingWrites() const {
    return std::any_of(cache_.begin(), cache_.end(), [](const auto& e) { return e.second.dirty; });
}

bool DayStore::IsPending(const std::string& path) const {
    auto it = cache_.find(path);
    return it != cache_.end() && it->second.dirty;
}

void DayStore::KeepCacheSmall() {
    if (cachedBytes_ > kCacheBudget) FlushAndReport();
}

}  // namespace kagiroi
