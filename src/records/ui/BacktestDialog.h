#pragma once

#include "records/Backtest.h"
#include "records/ReplaySnapshot.h"

#include <QComboBox>
#include <QDialog>
#include <QTableWidget>
#include <optional>
#include <string>

namespace kagiroi {

class BalanceChart;
class ReplayRunBar;

// バックテスト...: a range of stored days replayed with the current settings at the odds of
// the moment of betting (where an odds history has them) or the stored ones, the figures of
// each day and the total, and the chart of the running balance; both saved on request. The
// replay runs on worker threads: the window stays live, 中止 stops it, closing waits for it.
class BacktestDialog : public QDialog {
    Q_OBJECT
  public:
    // `first` and `last` (yyyymmdd) preset the range; empty when no day is stored.
    BacktestDialog(ReplaySnapshotSource snapshots, const std::string& first,
                   const std::string& last, QWidget* parent = nullptr);
    ~BacktestDialog() override;

    void done(int result) override;

  private:
    void Run();
    void ShowResult();

    ReplaySnapshotSource snapshots_;
    // Written by the worker, read once it has ended.
    std::shared_ptr<BacktestResult> pending_;
    std::optional<BacktestResult> result_;
    ReplayRunBar* bar_;
    QComboBox* odds_;  // 投票時点のオッズ or 確定オッズ
    QTableWidget* table_;
    BalanceChart* chart_;
};

}  // namespace kagiroi
