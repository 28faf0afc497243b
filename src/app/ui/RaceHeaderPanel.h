#pragma once

#include "app/TMainForm.h"

#include <QFrame>
#include <QLabel>

namespace kagiroi {

// The header panel of the selected race: racecourse and race number, then the header lines, on
// green for turf races and maroon for the others.
class RaceHeaderPanel : public QFrame {
    Q_OBJECT
  public:
    explicit RaceHeaderPanel(QWidget* parent = nullptr);
    void Refresh(const TMainForm& form);

  private:
    QLabel* basho_;
    QLabel* race_;
    QLabel* lines_[6];
};

}  // namespace kagiroi
