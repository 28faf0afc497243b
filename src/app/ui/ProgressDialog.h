#pragma once

#include "app/TMainForm.h"

#include <QDialog>
#include <QLabel>
#include <QProgressBar>

namespace kagiroi {

// The borderless progress dialog shown on top, centred, while a day loads.
class ProgressDialog : public QDialog {
    Q_OBJECT
  public:
    explicit ProgressDialog(QWidget* parent);
    void Refresh(const ProgressDialogState& state);

  private:
    QLabel* line1_;
    QLabel* line2_;
    QProgressBar* bar_;
};

}  // namespace kagiroi
