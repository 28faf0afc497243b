#pragma once

#include "records/TLossRegForm.h"

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;

namespace kagiroi {

class TextGridView;

// 損失金管理: a small window that stays on top, made at start-up and shown by 損失メモ. It
// paints the ledger window's state and forwards its clicks; `changed` follows every click so
// the main window shows the new loss.
class LossRegDialog : public QDialog {
    Q_OBJECT
  public:
    LossRegDialog(TLossRegForm& form, std::function<void()> changed, QWidget* parent = nullptr);
    void Refresh();

  protected:
    bool event(QEvent* event) override;

  private:
    void Run(const std::function<void()>& handler);

    TLossRegForm& form_;
    std::function<void()> changed_;
    QLineEdit* amount_;
    QListWidget* races_;
    TextGridView* table_;
    QLabel* total_;
};

}  // namespace kagiroi
