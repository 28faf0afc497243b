#pragma once

#include "records/Backtest.h"

#include <QWidget>

namespace kagiroi {

// The running balance of a backtest's two nets at the end of each day, as two lines over the
// days with the zero line, the highest and lowest balance and the first and last date.
class BalanceChart : public QWidget {
    Q_OBJECT
  public:
    explicit BalanceChart(QWidget* parent = nullptr);
    void SetResult(const BacktestResult* result);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const BacktestResult* result_ = nullptr;
};

}  // namespace kagiroi
