#pragma once

#include "records/JournalListing.h"

#include <QDialog>
#include <QLabel>
#include <QTableWidget>
#include <string>

namespace kagiroi {

// 投票記録...: every vote the program sent, with its hits and return once the race's payouts
// are stored, and the balance by day and month; saved as CSV. A record that cannot be read is
// told in the dialog instead of a listing that would look like no bets at all.
class VoteJournalDialog : public QDialog {
    Q_OBJECT
  public:
    explicit VoteJournalDialog(const std::string& programFolder, QWidget* parent = nullptr);

  private:
    JournalListing listing_;
    QLabel* notice_;
    QTableWidget* votes_;
    QTableWidget* summary_;
};

}  // namespace kagiroi
