#pragma once

#include "records/Backtest.h"

#include <QDateEdit>
#include <QDialog>
#include <QTableWidget>
#include <functional>
#include <optional>
#include <string>

namespace kagiroi {

class BalanceChart;

// バックテスト...: a range of stored days replayed with the current settings, the figures of
// each day and the total, and the chart of the running balance; both saved on request.
class BacktestDialog : public QDialog {
    Q_OBJECT
  public:
    // Runs the backtest of the days from..to (yyyymmdd); nothing when it could not run.
    using Runner = std::function<std::optional<BacktestResult>(const std::string& from,
                                                               const std::string& to)>;
    // `first` and `last` (yyyymmdd) preset the range; empty when no day is stored.
    BacktestDialog(Runner runner, const std::string& first, const std::string& last,
                   QWidget* parent = nullptr);

  private:
    void Run();
    void ShowResult();
    void SaveCsv();
    void SavePng();

    Runner runner_;
    std::optional<BacktestResult> result_;
    QDateEdit* from_;
    QDateEdit* to_;
    QTableWidget* table_;
    BalanceChart* chart_;
};

}  // namespace kagiroi
