#pragma once

#include "app/TMainForm.h"
#include "widgets/QtPorts.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <functional>
#include <memory>

namespace kagiroi {

class QtUi;
class AnalysisPage;
class ProgressDialog;
class RaceHeaderPanel;
class LossRegDialog;
class RaceMoyoDialog;
class ResultsPageView;
class OddsChartView;
class TextGridView;

// The main window: paints the TMainForm state and forwards clicks, keys and timer ticks to its
// handlers. It holds no rules.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    MainWindow(TMainForm& form, QtUi& ui);
    ~MainWindow() override;
    // Adds an item at the end of ﾕｰｻﾞｰ設定(&U) (the data source, chosen where it is made).
    void AddUserSetting(const QString& text, std::function<void()> run);

    // Re-reads everything shown from the form's state.
    void Refresh();
    // Re-reads the clock and the countdown only.
    void RefreshClock();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void BuildMenus();
    void BuildVerificationMenu();  // 検証(&V)
    void BuildToolBar();
    QWidget* BuildRaceListPanel();
    QWidget* BuildRaceArea();
    QWidget* BuildRaceCardPage();
    void ConnectTimers();
    void SyncTimer(QTimer& timer, const TimerState& state);
    void SyncTimers();  // every window timer as the form's state says
    void ScheduleRefresh();
    void RefreshDateList();
    void RefreshRaceList();
    // The stored placement, kept on a screen; maximised at the first show when it was.
    void RestorePlacement(WindowPlacement placement);
    void OpenDownloadDialog();
    void OpenPrintDialog();  // 印刷(&P)...
    void OpenFetchTimeDialog();
    void OpenInvestmentDialog();
    void OpenBacktestDialog();  // バックテスト...
    void OpenMailSettings();
    void ShowVersion();
    // Runs a handler of the form, then shows what it changed.
    template <typename Handler>
    void Run(Handler handler) {
        handler();
        Refresh();
    }

    TMainForm& form_;
    QtUi& ui_;
    bool shownOnce_ = false;
    std::vector<RaceListRow> raceRows_;  // as the race list shows them
    bool refreshPending_ = false;
    bool refreshing_ = false;

    QComboBox* dateBox_ = nullptr;
    QListWidget* raceList_ = nullptr;
    QLabel* downloadLabel_ = nullptr;
    QWidget* raceListPanel_ = nullptr;
    QWidget* raceArea_ = nullptr;
    QLabel* guidance_ = nullptr;
    RaceHeaderPanel* header_ = nullptr;
    QTabWidget* pages_ = nullptr;
    TextGridView* indexTable_ = nullptr;
    AnalysisPage* analysis_ = nullptr;
    ResultsPageView* results_ = nullptr;
    OddsChartView* oddsChart_ = nullptr;
    QLabel* clockLabel_ = nullptr;
    QLabel* remainingLabel_ = nullptr;
    QLabel* stakeNote_ = nullptr;  // why ケリー left a table without stakes
    ProgressDialog* progress_ = nullptr;
    QMenu* verificationMenu_ = nullptr;  // 検証(&V): the reports, the vote file, the backtest
    QMenu* userMenu_ = nullptr;          // ﾕｰｻﾞｰ設定(&U)
    std::unique_ptr<RaceMoyoDialog> raceMoyo_;
    LossRegDialog* lossReg_ = nullptr;
    QAction* useProgression_ = nullptr;

    QTimer clockTimer_, countdownTimer_, autoOddsTimer_, resultsTimer_, changeTimer_;
    QTimer deliverTimer_;
    QAction* deliveryAction_ = nullptr;
    QtUiThread uiThread_;
};

}  // namespace kagiroi
