#include "records/TLossRegForm.h"

#include "daystore/RecordLayout.h"
#include "platform/Color.h"
#include "platform/FolderLock.h"
#include "platform/Format.h"
#include "platform/SettingsTable.h"
#include "platform/TextField.h"
#include "racing/KeibaFunc.h"

namespace kagiroi {

namespace {

enum LossColumn { kNumberCol = 0, kRaceCol = 1, kBetTypeCol = 2, kAmountCol = 3 };
constexpr const char* kBetType = "枠連";

}  // namespace

std::string LossRaceKey(const std::string& raceInfo) {
    return FieldAt(raceInfo, RaceHead::Year) + "/" + FieldAt(raceInfo, RaceHead::Month) + "/" +
           FieldAt(raceInfo, RaceHead::Day) + RacecourseName(FieldAt(raceInfo, RaceHead::Course)) +
           FormatIntField(FieldAt(raceInfo, RaceHead::RaceNumber)) + "R";
}

TLossRegForm::TLossRegForm(std::string ledgerPath, Ui& ui, SettingsFile& settings)
    : ledger_(std::move(ledgerPath)), ui_(ui), settings_(settings), table_(4, 2) {
    table_.SetHeader({"No.", "レース", "馬券種", "損失金"});
    // The bet type is always 枠連 and takes no room.
    table_.SetColWidths({30, 130, -1, 70});
}

std::vector<std::string> TLossRegForm::FormCreate() {
    std::vector<std::string> problems = ledger_.Load();
    ShowTable();
    return problems;
}

void TLossRegForm::SetRaces(std::vector<LossRace> races) {
    races_ = std::move(races);
    ListBox1 = -1;
}

void TLossRegForm::ShowTable() {
    std::vector<LossEntry> entries = ledger_.Entries();
    // The table keeps one empty row while the ledger is empty.
    table_.SetRowCount(std::max<int>(2, static_cast<int>(entries.size()) + 1));
    table_.ClearRows();
    for (size_t i = 0; i < entries.size(); ++i) {
        int row = static_cast<int>(i) + 1;
        table_.SetCell(kNumberCol, row, entries[i].number);
        table_.SetCell(kRaceCol, row, entries[i].race);
        table_.SetCell(kBetTypeCol, row, entries[i].betType);
        table_.SetCell(kAmountCol, row, entries[i].amount);
    }
    cumulative_ = ledger_.CumulativeLossText();
}

bool TLossRegForm::RefuseUnreadable() {
    if (ledger_.Readable()) return false;
    ui_.Beep();
    ui_.ShowMessage(DescribeFailure(ledger_.Path() + " を読み込めないため、変更できません",
                                    *ledger_.ReadError())
                        .shown);
    return true;
}

void TLossRegForm::Commit(const std::function<void(LossLedger&)>& change) {
    FileError error;
    bool saved = false;
    bool readable = true;
    {
        // Held from the read to the rename: the other program's change is read, not overwritten.
        FolderLock lock;
        if (!lock.Held()) {
            error = lock.Error();
        } else {
            ledger_.Load();
            readable = ledger_.Readable();
            if (readable) {
                change(ledger_);
                saved = ledger_.Save(&error);
            }
        }
    }
    ShowTable();
    // What was clicked before the change no longer holds.
    chosen_ = {};
    if (!readable) {
        RefuseUnreadable();
        return;
    }
    if (!saved) {
        ui_.Beep();
        ui_.ShowMessage(DescribeFailure(ledger_.Path() + " に書き込めません", error).shown);
    }
    if (lossChanged_) lossChanged_();
}

void TLossRegForm::RecordLoss() {
    if (ListBox1 < 0 || ListBox1 >= static_cast<int>(races_.size())) return;
    int64_t v = IsLedgerAmount(Edit1) ? ToInt64(Edit1) : 0;
    if (v == 0 || RefuseUnreadable()) return;
    std::string word = v > 0 ? "損失" : "利益";
    if (-v >= ledger_.CumulativeLoss()) {
        ui_.Beep();
        ui_.ShowMessage(word + "金を記録する必要はありません。");
        return;
    }
    const std::string& race = races_[static_cast<size_t>(ListBox1)].key;
    if (!ui_.AskYesNo(race + "の" + word + "金を記録しますか？")) return;
    std::string amount = Format("%7lld", static_cast<long long>(v));
    int found = ledger_.FindRace(race);
    if (found >= 0) {
        if (ledger_.Entries()[static_cast<size_t>(found)].amount == amount) {
            ui_.Beep();
            ui_.ShowMessage("すでに同じ内容が計上済みです。");
            return;
        }
        if (!ui_.AskYesNo("同じレースの損失金が計上済みです。上書きしますか？")) return;
    }
    Commit([&](LossLedger& ledger) {
        int now = ledger.FindRace(race);
        if (now < 0) {
            ledger.Add({Format("%2d", ledger.EntryCount() + 1), race, kBetType, amount});
        } else {
            std::string number = ledger.Entries()[static_cast<size_t>(now)].number;
            ledger.Replace(now, {number, race, kBetType, amount});
        }
    });
}

void TLossRegForm::TableClick(int, int row) {
    // A click on the header keeps the entry chosen before.
    if (row < 1 || row >= table_.RowCount()) return;
    chosen_ = {row, ToInt64(table_.Cell(kAmountCol, row)), ledger_.CumulativeLoss()};
}

void TLossRegForm::DeleteEntry() {
    if (chosen_.row < 1) return;
    if (chosen_.cumulative - chosen_.amount <= 0) {
        ui_.Beep();
        ui_.ShowMessage("このデータを削除すると損失が消えます。全削除を行ってください。");
        return;
    }
    if (ledger_.EntryCount() <= 1) {
        ui_.Beep();
        ui_.ShowMessage("全削除を行ってください。");
        return;
    }
    if (chosen_.row > ledger_.EntryCount() || RefuseUnreadable()) return;
    int row = chosen_.row;
    if (!ui_.AskYesNo("[No.]" + table_.Cell(kNumberCol, row) + "【" + table_.Cell(kRaceCol, row) +
                      "】のデータ" + "を削除しますか？"))
        return;
    // The entry goes by its race: another program may have moved it to another row.
    std::string race = table_.Cell(kRaceCol, row);
    Commit([&](LossLedger& ledger) {
        int index = row - 1;
        if (index >= ledger.EntryCount() ||
            ledger.Entries()[static_cast<size_t>(index)].race != race)
            index = ledger.FindRace(race);
        if (index >= 0) ledger.Remove(index);
    });
}

void TLossRegForm::ClearLedger() {
    if (RefuseUnreadable()) return;
    if (!ui_.AskYesNo("表をクリアしますか？")) return;
    Commit([](LossLedger& ledger) { ledger.Clear(); });
}

void TLossRegForm::FormActivate() {
    Top = ReadIntSetting(settings_, setting::kLossTop);
    Left = ReadIntSetting(settings_, setting::kLossLeft);
}

void TLossRegForm::FormDeactivate(int top, int left) {
    Top = top;
    Left = left;
    WriteIntSetting(settings_, setting::kLossTop, top);
    WriteIntSetting(settings_, setting::kLossLeft, left);
}

CellStyle TLossRegForm::TableStyle(int col, int row) const {
    CellStyle style;
    if (row == 0) {
        style.background = colors::kSilver;
        return style;
    }
    if (col == kNumberCol) style.background = colors::kAqua;
    if (col == kRaceCol) style.background = colors::kInfoBackground;
    if (col == kAmountCol) style.align = CellAlign::Right;
    return style;
}

}  // namespace kagiroi
