#pragma once

#include "mail/TMailSetForm.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

#include <array>

namespace kagiroi {

// The mail settings window (メール設定): paints TMailSetForm and forwards its keystrokes and
// the test button.
class MailSetDialog : public QDialog {
    Q_OBJECT
  public:
    MailSetDialog(TMailSetForm& form, QWidget* parent);
    ~MailSetDialog() override;

  private:
    void Refresh();

    TMailSetForm& form_;
    std::array<QLineEdit*, kMailSetFieldCount> edits_{};
    QComboBox* security_;
    QPushButton* send_;
    QStatusBar* status_;
};

}  // namespace kagiroi
