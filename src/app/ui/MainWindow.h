#pragma once

#include "app/TMainForm.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>

namespace kagiroi {

class QtUi;

// The main window: paints the TMainForm state and forwards clicks, keys and timer ticks to its
// handlers. It holds no rules.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    MainWindow(TMainForm& form, QtUi& ui);

    // Re-reads everything shown from the form's state.
    void Refresh();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void BuildMenus();
    void BuildToolBar();
    QWidget* BuildRaceListPanel();
    QWidget* BuildRaceArea();
    void SyncTimer(QTimer& timer, const TimerState& state);
    void ScheduleRefresh();
    void RefreshDateList();
    void RefreshRaceList();
    void OpenDownloadDialog();
    void ShowVersion();
    void ChooseExternalFolder(const char* key, const char* caption);

    TMainForm& form_;
    QtUi& ui_;
    bool shownOnce_ = false;
    bool refreshPending_ = false;
    bool refreshing_ = false;

    QComboBox* dateBox_ = nullptr;
    QListWidget* raceList_ = nullptr;
    QLabel* downloadLabel_ = nullptr;
    QWidget* raceListPanel_ = nullptr;
    QWidget* raceArea_ = nullptr;
    QLabel* clockLabel_ = nullptr;
    QLabel* remainingLabel_ = nullptr;

    QTimer clockTimer_, countdownTimer_, autoOddsTimer_, resultsTimer_, changeTimer_;
};

}  // namespace kagiroi
