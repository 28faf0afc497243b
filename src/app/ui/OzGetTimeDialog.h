#pragma once

#include "app/TOzGetTimeForm.h"

#include <QDialog>

namespace kagiroi {

// データ自動取得時刻指定: the minutes of the automatic fetch schedule.
class OzGetTimeDialog : public QDialog {
    Q_OBJECT
  public:
    OzGetTimeDialog(TOzGetTimeForm& form, QWidget* parent = nullptr);
};

}  // namespace kagiroi
