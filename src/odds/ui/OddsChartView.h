#pragma once

#include "odds/OddsMovement.h"

#include <QWidget>

namespace kagiroi {

// The odds movement chart of a race: each runner's win odds over the day's announcements on a
// log scale, one line per horse in its frame's colour, the odds-fetch time marked. It paints
// what the core computed (the movement and its axes) and holds no rules.
class OddsChartView : public QWidget {
    Q_OBJECT
  public:
    explicit OddsChartView(QWidget* parent = nullptr);
    void SetMovement(OddsMovement movement);
    const OddsMovement& Movement() const { return movement_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    OddsMovement movement_;
    OddsChartAxes axes_;
};

}  // namespace kagiroi
