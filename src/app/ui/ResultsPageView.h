#pragma once

#include "app/TMainForm.h"

#include <QLabel>
#include <QWidget>
#include <vector>

namespace kagiroi {

// The 結果 page: one group per bet type, one row of three labels per paid entry.
class ResultsPageView : public QWidget {
    Q_OBJECT
  public:
    explicit ResultsPageView(QWidget* parent = nullptr);
    void Refresh(const TMainForm& form);

  private:
    // [group][entry][result, popularity, payout]
    std::vector<std::vector<std::array<QLabel*, 3>>> labels_;
};

}  // namespace kagiroi
