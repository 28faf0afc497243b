#pragma once

#include "datalink/TGetDataForm.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace kagiroi {

// The download dialog's window: paints TGetDataForm and forwards its buttons and timer.
class GetDataDialog : public QDialog {
    Q_OBJECT
  public:
    GetDataDialog(TGetDataForm& form, QWidget* parent);

  protected:
    void reject() override;

  private:
    void Refresh();
    void RefreshSoon();
    void PullInputs();

    TGetDataForm& form_;
    QDateTimeEdit* startDate_;
    QCheckBox* finalOdds_;
    QRadioButton* normal_;
    QRadioButton* setup_;
    QProgressBar* downloadBar_;
    QProgressBar* readBar_;
    QLabel* progress_;
    QLabel* record_;
    QPushButton* start_;
    QPushButton* cancel_;
    QPushButton* settings_;
    QTimer statusTimer_;
    QElapsedTimer sinceRefresh_;
};

}  // namespace kagiroi
