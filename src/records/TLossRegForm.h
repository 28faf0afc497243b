#pragma once

#include "platform/SettingsFile.h"
#include "platform/TextGrid.h"
#include "platform/Ui.h"
#include "records/LossLedger.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kagiroi {

// A race of the loaded day as the loss window lists it, and the key its entry is kept under.
struct LossRace {
    std::string shown;  // 中山11R
    std::string key;    // 2009/03/15中山11R
};
// The key of a race from its race record: year/month/day, racecourse and race number.
std::string LossRaceKey(const std::string& raceInfo);

// The window 損失金管理: the loss ledger with its table, the races of the loaded day and the
// amount to record. It lives from start-up to exit, so the cumulative loss is known from the
// start; every change of the ledger is saved at once and told to `lossChanged`.
class TLossRegForm {
  public:
    TLossRegForm(std::string ledgerPath, Ui& ui, SettingsFile& settings);

    // Loads the ledger; the lines for the error log, one for each damaged line.
    std::vector<std::string> FormCreate();
    void OnLossChanged(std::function<void()> changed) { lossChanged_ = std::move(changed); }

    // Filled by the day load, emptied when no day is loaded.
    void SetRaces(std::vector<LossRace> races);
    const std::vector<LossRace>& Races() const { return races_; }

    // 損失記録: records Edit1 for the race chosen in the race list.
    void RecordLoss();
    // A click on the table: a data row becomes the entry a deletion works on.
    void TableClick(int col, int row);
    void DeleteEntry();  // 削除(&D)
    void ClearLedger();  // 全削除(&A)

    // The window's position, read when it is activated and written when it is deactivated.
    void FormActivate();
    void FormDeactivate(int top, int left);

    const TextGrid& StringGrid1() const { return table_; }  // 累積損失表
    CellStyle TableStyle(int col, int row) const;
    const std::string& CumulativeLabel() const { return cumulative_; }  // 累積損失額：
    int64_t CumulativeLoss() const { return ledger_.CumulativeLoss(); }
    const LossLedger& Ledger() const { return ledger_; }

    std::string Edit1;     // 登録する損失金額, up to six digits with a sign
    int ListBox1 = -1;     // the race chosen in the race list
    bool Visible = false;  // shown by 損失メモ
    int Top = 50, Left = 600;

  private:
    // Applies a change to the ledger as the file holds it now (another program may have
    // changed it since it was shown), then saves it, shows it and tells the main window.
    void Commit(const std::function<void(LossLedger&)>& change);
    bool RefuseUnreadable();
    void ShowTable();

    LossLedger ledger_;
    Ui& ui_;
    SettingsFile& settings_;
    std::function<void()> lossChanged_;
    std::vector<LossRace> races_;
    TextGrid table_;
    std::string cumulative_;
    // The entry last clicked and the amounts at that moment.
    struct Chosen {
        int row = -1;
        int64_t amount = 0;
        int64_t cumulative = 0;
    } chosen_;
};

}  // namespace kagiroi
