#pragma once

#include "selection/RacePatternSettings.h"

#include <QDialog>
#include <QDoubleSpinBox>
#include <array>
#include <functional>

namespace kagiroi {

// レース模様設定: the six thresholds of the race-strength marks. Made once at start-up; the
// values typed stay while the program runs, and only 保存 writes them.
class RaceMoyoDialog : public QDialog {
    Q_OBJECT
  public:
    RaceMoyoDialog(RacePatternForm& form, std::function<void()> save, QWidget* parent = nullptr);

  private:
    RacePatternForm& form_;
    std::array<QDoubleSpinBox*, kRacePatternFieldCount> edits_{};
};

}  // namespace kagiroi
