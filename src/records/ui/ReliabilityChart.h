#pragma once

#include "model/CalibrationReport.h"

#include <QWidget>

namespace kagiroi {

// How well the fitted chances foresaw the trio tickets: each bin's mean predicted chance
// against how often its tickets hit, joined, over the diagonal a perfect model would follow;
// the axes are labelled in percent.
class ReliabilityChart : public QWidget {
    Q_OBJECT
  public:
    explicit ReliabilityChart(QWidget* parent = nullptr);
    // Null or a report without a fit: the chart says there is nothing to draw.
    void SetReport(const CalibrationReport* report);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const CalibrationReport* report_ = nullptr;
};

}  // namespace kagiroi
