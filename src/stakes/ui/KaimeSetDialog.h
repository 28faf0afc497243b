#pragma once

#include "stakes/TKaimeSetForm.h"

#include <QDialog>

namespace kagiroi {

// 投資金設定: the default amount per race and, in its lower part, the progression values.
class KaimeSetDialog : public QDialog {
    Q_OBJECT
  public:
    KaimeSetDialog(TKaimeSetForm& form, QWidget* parent = nullptr);
};

}  // namespace kagiroi
