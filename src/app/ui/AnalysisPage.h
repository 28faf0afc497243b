#pragma once

#include "app/TMainForm.h"
#include "widgets/TextGridView.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <QWidget>

class QSplitter;

namespace kagiroi {

// The 分析表 page: the axis and partner grid above the trio and trifecta tables with their
// totals, and beside them the race figures and the stake and voting panel.
class AnalysisPage : public QWidget {
    Q_OBJECT
  public:
    AnalysisPage(TMainForm& form, QWidget* parent = nullptr);
    void Refresh();
    // The switch 追い上げ投資を使う and the progression boxes, shown even while no race is.
    void RefreshProgression();

  signals:
    void StateChanged();  // a click changed the form's state

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* BuildFigures();
    // The four totals, 合成ｵｯｽﾞ, ﾄﾘｶﾞﾐ and 的中確率.
    static constexpr int kTotalLabels = 9;
    static constexpr int kModeCount = 3;  // 均等, 比例, ケリー
    QWidget* BuildTicketTab(BetType type, TextGridView*& view, QLabel* totals[kTotalLabels]);
    QWidget* BuildStakePanel();
    QWidget* BuildProgressionPanel();
    void Changed();

    TMainForm& form_;
    bool refreshing_ = false;
    QSplitter* split_;
    QTimer saveSplit_;
    bool splitPlaced_ = false;
    TextGridView* markGrid_;
    TextGridView* trioTable_;
    TextGridView* trifectaTable_;
    QTabWidget* ticketTabs_;
    // The ticket tabs, or in their place why a race without odds has no net.
    QStackedWidget* netArea_;
    QLabel* oddsPending_;
    QLabel* trioTotals_[kTotalLabels];
    QLabel* trifectaTotals_[kTotalLabels];
    QLabel* oddsTime_;
    QLabel* trioFavourite_;
    QLabel* trioNth_;
    QLabel* trifectaFavourite_;
    QLabel* trifectaNth_;
    QLabel* spread_;
    QLabel* marks_[4];
    QSpinBox* spin1_;
    QSpinBox* spin2_;
    QRadioButton* modes_[kModeCount];
    QLineEdit* amount_;
    QWidget* progression_;  // 追い上げ投資用
    QLineEdit* loss_;       // 損失金額
    QLineEdit* target_;     // 目標利益金額
    QPushButton* lossMemo_;
};

}  // namespace kagiroi
