#pragma once

#include "records/ui/ReplayWorker.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <string>
#include <vector>

namespace kagiroi {

// The top of a replay dialog: the range of stored days, 実行 and 中止, the progress in days
// done of days, and a line that tells the outcome; with the worker that runs the replay.
class ReplayRunBar : public QWidget {
    Q_OBJECT
  public:
    // `first` and `last` (yyyymmdd) preset the range; empty when no day is stored.
    ReplayRunBar(const std::string& first, const std::string& last, QWidget* parent = nullptr);

    std::string From() const;  // yyyymmdd
    std::string To() const;
    // Runs `work` over `days` days off the window's thread; 実行 waits until it ends.
    void Start(ReplayWorker::Work work, int days);
    // Stops the run under way and waits for its thread (the dialog is closing).
    void Stop() { worker_->Stop(); }
    bool Running() const { return worker_->Running(); }
    void Tell(const QString& text, bool refusal = false);

  signals:
    void RunRequested();  // 実行 with the range in order
    void Finished(bool stopped);

  private:
    void Follow(bool running);

    QDateEdit* from_;
    QDateEdit* to_;
    QPushButton* run_;
    QPushButton* cancel_;
    QProgressBar* bar_;
    QLabel* status_;
    ReplayWorker* worker_;
};

// The choice of odds a replay takes: 投票時点のオッズ (first) or 確定オッズ, with a tooltip
// saying where the odds of the moment of betting come from.
QComboBox* NewReplayOddsBox(QWidget* parent);
bool BettimeChosen(const QComboBox* box);

// Rows of cells (header row first) shown in a table, the columns from `firstNumber` on
// aligned right.
void ShowRows(QTableWidget* table, const std::vector<std::vector<std::string>>& rows,
              size_t firstNumber);
// Asks where to save and writes `data` whole; a failure is told with the file's name.
void SaveAs(QWidget* parent, const QString& caption, const QString& suggested,
            const QString& filter, const std::string& data);

}  // namespace kagiroi
