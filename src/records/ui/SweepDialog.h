#pragma once

#include "records/ReplaySnapshot.h"
#include "records/Sweep.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QLineEdit>
#include <QTableWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kagiroi {

class ReplayRunBar;

// 設定の比較...: the backtest of every combination of a few settings' values over a range of
// stored days, before and after a split day, best in-sample return rate first; saved as CSV.
// The sweep runs on worker threads: the window stays live, 中止 stops it, closing waits for it.
class SweepDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kAxisRows = 3;

    // `first` and `last` (yyyymmdd) preset the range; empty when no day is stored.
    SweepDialog(ReplaySnapshotSource snapshots, const std::string& first, const std::string& last,
                QWidget* parent = nullptr);
    ~SweepDialog() override;

    void done(int result) override;

  private:
    struct AxisRow {
        QComboBox* key;
        QLineEdit* values;
    };
    void Run();
    std::vector<std::string> AxisTexts() const;
    SweepNets Nets() const;

    ReplaySnapshotSource snapshots_;
    // Written by the worker, read once it has ended.
    std::shared_ptr<SweepResult> pending_;
    std::optional<SweepResult> result_;
    ReplayRunBar* bar_;
    QCheckBox* middle_;
    QDateEdit* split_;
    QComboBox* nets_;
    QComboBox* odds_;  // 投票時点のオッズ or 確定オッズ
    std::vector<AxisRow> axes_;
    QTableWidget* table_;
};

}  // namespace kagiroi
