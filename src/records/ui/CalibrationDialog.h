#pragma once

#include "model/CalibrationReport.h"
#include "records/ReplaySnapshot.h"

#include <QDialog>
#include <QPushButton>
#include <QTableWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace kagiroi {

class ReliabilityChart;
class ReplayRunBar;

// 的中率の当てはめ...: the chances model fitted on the stored days of a range, with the races
// taken and left out, each model's score, the reliability of the trio chances as a table and a
// chart; the fitted powers become the settings only when the user says so. The fit runs on
// worker threads: the window stays live, 中止 stops it, closing waits for it.
class CalibrationDialog : public QDialog {
    Q_OBJECT
  public:
    // Writes fitted powers into the settings (on the window's thread).
    using SaveModel = std::function<void(const ModelParameters&)>;

    // `first` and `last` (yyyymmdd) preset the range; empty when no day is stored.
    CalibrationDialog(ReplaySnapshotSource snapshots, const std::string& first,
                      const std::string& last, SaveModel save, QWidget* parent = nullptr);
    ~CalibrationDialog() override;

    void done(int result) override;

  private:
    // What a run leaves: the report, and the powers set when it started.
    struct Outcome {
        CalibrationReport report;
        ModelParameters current;
    };
    void Run();
    void Finish(bool stopped);
    void ShowReport();
    void AskToSave();

    ReplaySnapshotSource snapshots_;
    SaveModel save_;
    // Written by the worker, read once it has ended.
    std::shared_ptr<Outcome> pending_;
    std::optional<Outcome> outcome_;
    ReplayRunBar* bar_;
    QPushButton* use_;  // 設定に反映...
    QPushButton* png_;
    QTableWidget* races_;
    QTableWidget* models_;
    QTableWidget* reliability_;
    ReliabilityChart* chart_;
};

}  // namespace kagiroi
