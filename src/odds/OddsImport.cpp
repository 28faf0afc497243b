#include "odds/OddsImport.h"

#include "analysis/RunnerIndices.h"
#include "daystore/RaceDay.h"
#include "odds/CombinationRanking.h"
#include "odds/OddsDigits.h"
#include "odds/RankKeyText.h"
#include "platform/TextField.h"
#include "racing/RankList.h"

#include <algorithm>
#include <cstdint>
#include <memory>

namespace kagiroi {

namespace {

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.remove_suffix(1);
    return text;
}

bool AllOf(std::string_view text, char c) {
    return std::all_of(text.begin(), text.end(), [c](char x) { return x == c; });
}

// The field at a 1-based position without copying; a record too short for it reads as blank.
inline std::string_view FieldView(const std::string& record, FieldPos f) {
    size_t start = static_cast<size_t>(f.pos - 1);
    int len = f.len;
    if (start + static_cast<size_t>(len) > record.size()) return {};
    return std::string_view(record).substr(start, static_cast<size_t>(len));
}

// Blanks, the cancelled mark, or digits with blanks around them.
OddsReading ReadUncommonField(std::string_view field) {
    std::string_view text = TrimBlanks(field);
    if (text.empty()) return {kBlankOdds, 0, false};
    if (text.size() == field.size() && (AllOf(text, '-') || AllOf(text, '*')))
        return {kCancelledOdds, 0, false};
    if (text.size() > 9 || !IsDigits(text)) return {kBlankOdds, 0, true};
    int tenths = 0;
    for (char c : text)
        tenths = tenths * 10 + (c - '0');
    return {tenths / 10.0, tenths, false};
}

}  // namespace

OddsReading ReadOddsField(std::string_view field) {
    // Nearly every field is all digits: read those in one pass.
    int tenths = 0;
    size_t digits = 0;
    for (; digits < field.size() && digits < 9; ++digits) {
        unsigned d = static_cast<unsigned char>(field[digits]) - unsigned{'0'};
        if (d > 9) break;
        tenths = tenths * 10 + static_cast<int>(d);
    }
    if (digits == field.size() && digits > 0) return {tenths / 10.0, tenths, false};
    return ReadUncommonField(field);
}

OddsReading WinOddsOf(const std::string& o1, int horse) {
    return ReadOddsField(FieldView(o1, O1::WinOdds.At(horse)));
}

namespace {

// What reading a combination table works in, kept from one import to the next.
struct CombinationWork {
    CombinationRanking ranking;
    std::array<int32_t, kTrifectaCount + 1> tenths;  // the digits' values
    struct UncommonField {
        int index;
        double odds;
    };
    std::vector<UncommonField> uncommon;  // the fields that are not plain digits
};

// One import of one slot; gathers the problem lines as it goes.
class SlotImport {
  public:
    // With `copiesOnly` the slot's copies are read as they stand and no file is looked at.
    SlotImport(RaceSlot& slot, OddsFiles& files, CombinationWork& work,
               std::vector<std::string>* unreadableFiles, bool copiesOnly = false)
        : slot_(slot),
          files_(files),
          raceName_(RaceListText(slot)),
          work_(work),
          unreadableFiles_(unreadableFiles),
          copiesOnly_(copiesOnly) {}

    std::vector<std::string> Run() {
        int runners = RegisteredRunners(slot_);
        // Rebuilt in place: assigning fresh ones would make and copy 70 KB temporaries.
        std::destroy_at(&slot_.Odds);
        std::construct_at(&slot_.Odds);
        std::destroy_at(&slot_.Indices);
        std::construct_at(&slot_.Indices);

        FindRecord(OddsKind::O1, slot_.O1Copy);
        int malformed = ReadRunnerOdds(runners);
        malformed += ReadBracketOdds();
        Report(OddsKind::O1, malformed);
        slot_.Odds.OddsTime =
            FieldAt(slot_.O1Copy, O1::AnnouncedHour) + FieldAt(slot_.O1Copy, O1::AnnouncedMinute);

        FindRecord(OddsKind::O5, slot_.O5Copy);
        FindRecord(OddsKind::O6, slot_.O6Copy);
        Report(OddsKind::O5, ReadCombinationOdds<O5::TrioOdds.len, kTrioCount>(
                                 slot_.O5Copy, O5::TrioOdds, slot_.Odds.TrioOdds.data(),
                                 slot_.Odds.TrioRank.data()));
        Report(OddsKind::O6, ReadCombinationOdds<O6::TrifectaOdds.len, kTrifectaCount>(
                                 slot_.O6Copy, O6::TrifectaOdds, slot_.Odds.TrifectaOdds.data(),
                                 slot_.Odds.TrifectaRank.data()));

        ComputeRunnerIndices(slot_);
        return std::move(problems_);
    }

  private:
    void FindRecord(OddsKind kind, std::string& copy) {
        if (copiesOnly_) return;
        std::string key = OddsRecordKey(slot_.RaceInfo);
        if (NumberAt(slot_.RaceInfo, RaceHead::RaceNumber) < 1 || IsBlank(key)) return;
        OddsRecordLookup::Status status = files_.FindInto(kind, key, copy);
        if (status == OddsRecordLookup::Status::Unreadable) {
            // Odds of a file that cannot be read are unknown: never keep older ones as current.
            copy.assign(static_cast<size_t>(OddsRecordLength(kind)), ' ');
            problems_.push_back(files_.Path(kind) + "：ファイルを読み込めないため、" + raceName_ +
                                "のオッズを空欄にしました。");
            NoteUnreadable(files_.Path(kind));
        }
    }

    void NoteUnreadable(const std::string& path) {
        if (unreadableFiles_ == nullptr) return;
        auto& list = *unreadableFiles_;
        if (std::find(list.begin(), list.end(), path) == list.end()) list.push_back(path);
    }

    void Report(OddsKind kind, int malformed) {
        if (malformed == 0) return;
        problems_.push_back(files_.Path(kind) + "：" + raceName_ +
                            "のオッズに数字でない欄があり、空欄として扱いました。");
    }

    int ReadRunnerOdds(int runners) {
        OddsBook& odds = slot_.Odds;
        const std::string& o1 = slot_.O1Copy;
        int malformed = 0;
        RankList win, placeLow, placeHigh;
        for (int h = 1; h <= runners; ++h) {
            size_t i = static_cast<size_t>(h);
            OddsReading reading = WinOddsOf(o1, h);
            malformed += reading.malformed;
            odds.WinOdds[i] = reading.odds;
            if (reading.odds > 0) slot_.Indices.WinSupport[i] = 80.0 / reading.odds;

            OddsReading low = ReadOddsField(FieldView(o1, O1::PlaceLow.At(h)));
            malformed += low.malformed;
            odds.PlaceOddsMin[i] = odds.PlaceOddsMax[i] = low.odds;
            if (low.odds >= 0) {
                // With a price below, the upper bound must be a price too.
                OddsReading high = ReadOddsField(FieldView(o1, O1::PlaceHigh.At(h)));
                bool price = !high.malformed && high.odds >= 0;
                malformed += !price;
                odds.PlaceOddsMax[i] = price ? high.odds : kBlankOdds;
            }

            std::string number = RightAlignedNumber(h, 2);
            std::string winText = OddsKeyText(odds.WinOdds[i]);
            std::string lowText = OddsKeyText(odds.PlaceOddsMin[i]);
            std::string highText = OddsKeyText(odds.PlaceOddsMax[i]);
            if (odds.WinOdds[i] > 0) win.Add(winText + lowText + number);
            if (odds.PlaceOddsMin[i] > 0) placeLow.Add(lowText + highText + number);
            if (odds.PlaceOddsMax[i] > 0) placeHigh.Add(highText + lowText + number);
        }
        AssignRunnerRanks(win, odds.WinRank);
        AssignRunnerRanks(placeLow, odds.PlaceMinRank);
        AssignRunnerRanks(placeHigh, odds.PlaceMaxRank);
        return malformed;
    }

    // The horse number is the key's last two characters (13-14).
    static void AssignRunnerRanks(const RankList& list, std::array<int, kMaxRunners + 1>& ranks) {
        for (size_t t = 0; t < list.Count(); ++t) {
            int horse = ToInt(list.At(t).substr(12, 2));
            if (horse >= 1 && horse <= kMaxRunners)
                ranks[static_cast<size_t>(horse)] = static_cast<int>(t) + 1;
        }
    }

    int ReadBracketOdds() {
        int malformed = 0;
        for (int e = 1; e <= kBracketPairCount; ++e) {
            OddsReading reading = ReadOddsField(FieldView(slot_.O1Copy, O1::BracketOdds.At(e)));
            malformed += reading.malformed;
            slot_.Odds.BracketOdds[static_cast<size_t>(e)] = reading.odds;
            if (reading.odds >= 0)
                slot_.Odds.BracketRank[static_cast<size_t>(e)] =
                    NumberAt(slot_.O1Copy, O1::BracketPopularity.At(e));
        }
        return malformed;
    }

    // Odds of combinations 1..Count, and their popularity ranks among the priced ones.
    template <int Width, int Count>
    int ReadCombinationOdds(const std::string& record, EntryField entries, double* odds,
                            int* ranks) {
        static_assert(Width <= kDigitChunk);
        static_assert(Count <= kTrifectaCount);
        CombinationRanking& ranking = work_.ranking;
        auto& tenths = work_.tenths;
        auto& uncommon = work_.uncommon;
        ranking.Clear(static_cast<size_t>(Count));
        uncommon.clear();
        int malformed = 0;
        for (int l = 1; l <= Count; ++l) {
            int at = entries.At(l).pos;
            std::string_view chunk = FieldView(record, {at, kDigitChunk});
            uint32_t value = 0;
            if (!chunk.empty() && ReadDigitChunk(chunk.data(), Width, value)) {
                tenths[static_cast<size_t>(l)] = static_cast<int32_t>(value);
                if (value > 0) ranking.Add(l, value);
                continue;
            }
            OddsReading reading = ReadOddsField(FieldView(record, {at, Width}));
            malformed += reading.malformed;
            tenths[static_cast<size_t>(l)] = 0;
            uncommon.push_back({l, reading.odds});
            if (reading.odds > 0) ranking.Add(l, static_cast<uint32_t>(reading.tenths));
        }
        // Apart from the loop above, the divisions run several at a time.
        for (int l = 1; l <= Count; ++l)
            odds[l] = tenths[static_cast<size_t>(l)] / 10.0;
        for (const auto& field : uncommon)
            odds[field.index] = field.odds;
        ranking.AssignRanks(ranks);
        return malformed;
    }

    RaceSlot& slot_;
    OddsFiles& files_;
    std::string raceName_;
    std::vector<std::string> problems_;
    CombinationWork& work_;
    std::vector<std::string>* unreadableFiles_;
    bool copiesOnly_;
};

}  // namespace

std::vector<std::string> ImportOdds(RaceSlot& slot, OddsFiles& files,
                                    std::vector<std::string>* unreadableFiles) {
    return SlotImport(slot, files, files.Scratch<CombinationWork>(), unreadableFiles).Run();
}

std::vector<std::string> ImportOddsCopies(RaceSlot& slot) {
    OddsFiles none;
    return SlotImport(slot, none, none.Scratch<CombinationWork>(), nullptr, true).Run();
}

std::string UnreadableOddsMessage(const std::vector<std::string>& files) {
    std::string names;
    for (const auto& path : files)
        names += (names.empty() ? "" : "、") + path;
    return names + "：ファイルを読み込めないため、そのオッズを空欄にしました。";
}

}  // namespace kagiroi
