#include "app/ui/MainWindow.h"

#include "datalink/TGetDataForm.h"
#include "datalink/ui/GetDataDialog.h"
#include "widgets/Fonts.h"
#include "widgets/QtPorts.h"
#include "widgets/TextConversion.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>

namespace kagiroi {

MainWindow::MainWindow(TMainForm& form, QtUi& ui) : form_(form), ui_(ui) {
    setWindowTitle(ToQString(kApplicationTitle));
    BuildMenus();
    BuildToolBar();

    auto* splitter = new QSplitter(this);
    raceListPanel_ = BuildRaceListPanel();
    raceArea_ = BuildRaceArea();
    splitter->addWidget(raceListPanel_);
    splitter->addWidget(raceArea_);
    splitter->setStretchFactor(1, 1);
    setCentralWidget(splitter);

    clockLabel_ = new QLabel(this);
    remainingLabel_ = new QLabel(this);
    statusBar()->addPermanentWidget(remainingLabel_);
    statusBar()->addPermanentWidget(clockLabel_);

    WindowPlacement p = form_.StoredPlacement();
    setGeometry(p.left, p.top, p.width, p.height);

    form_.Changed = [this] { ScheduleRefresh(); };
    Refresh();
}

void MainWindow::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    file->addAction(QStringLiteral("終了"), this, &QWidget::close);

    QMenu* folders = menuBar()->addMenu(QStringLiteral("ﾌｫﾙﾀﾞ指定(&F)"));
    folders->addAction(QStringLiteral("時系列ｵｯｽﾞﾌｫﾙﾀﾞ指定(&T)"), this,
                       [this] { ChooseExternalFolder("jikeiretu", "時系列ｵｯｽﾞﾃﾞｰﾀﾌｫﾙﾀﾞの指定"); });

    QMenu* help = menuBar()->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    help->addAction(QStringLiteral("使用解説書(&C)"), this, [this] { form_.HelpClick(); });
    help->addAction(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"), this, &MainWindow::ShowVersion);
}

void MainWindow::BuildToolBar() {
    QToolBar* bar = addToolBar(QStringLiteral("commands"));
    bar->setMovable(false);
    auto addButton = [&](const QString& caption, const QString& hint, auto handler) {
        auto* button = new QPushButton(caption, bar);
        button->setToolTip(hint);
        button->setStatusTip(hint);
        connect(button, &QPushButton::clicked, this, handler);
        bar->addWidget(button);
        return button;
    };
    addButton(QStringLiteral("F"), QStringLiteral("レース一覧の表示／非表示"), [this] {
        form_.FButtonClick();
        Refresh();
    });
    addButton(QStringLiteral("JVデータ取得"), QStringLiteral("JV-Linkからデータを取得します"),
              [this] { OpenDownloadDialog(); });
    addButton(QStringLiteral("直前ﾚｰｽ"), QStringLiteral("次に発走するレースを選択します"), [this] {
        form_.NextRaceClick();
        Refresh();
    });
    addButton(QStringLiteral("ヘルプ"), QStringLiteral("使用解説書を開きます"),
              [this] { form_.HelpClick(); });
    addButton(QStringLiteral("終了"), QStringLiteral("ソフトを終了します"), [this] { close(); });
}

QWidget* MainWindow::BuildRaceListPanel() {
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(2, 2, 2, 2);
    dateBox_ = new QComboBox(panel);
    dateBox_->setEditable(false);
    dateBox_->setFont(GridFont(14));
    raceList_ = new QListWidget(panel);
    raceList_->setFont(GridFont(14));
    raceList_->setMinimumWidth(110);
    downloadLabel_ = new QLabel(panel);
    downloadLabel_->setWordWrap(true);
    layout->addWidget(dateBox_);
    layout->addWidget(raceList_, 1);
    layout->addWidget(downloadLabel_);

    connect(dateBox_, &QComboBox::activated, this, [this](int index) {
        form_.DateListChange(index);
        Refresh();
    });
    connect(raceList_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        form_.DatListClick(raceList_->row(item));
        Refresh();
    });
    return panel;
}

QWidget* MainWindow::BuildRaceArea() {
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    return area;
}

void MainWindow::ScheduleRefresh() {
    if (refreshPending_) return;
    refreshPending_ = true;
    QTimer::singleShot(0, this, [this] {
        refreshPending_ = false;
        Refresh();
    });
}

void MainWindow::SyncTimer(QTimer& timer, const TimerState& state) {
    if (!state.enabled || state.intervalMs <= 0) {
        timer.stop();
        return;
    }
    if (timer.interval() != state.intervalMs || !timer.isActive()) timer.start(state.intervalMs);
}

void MainWindow::RefreshDateList() {
    QSignalBlocker block(dateBox_);
    QStringList items;
    for (const auto& day : form_.DateList)
        items << ToQString(day);
    QStringList current;
    for (int i = 0; i < dateBox_->count(); ++i)
        current << dateBox_->itemText(i);
    if (current != items) {
        dateBox_->clear();
        dateBox_->addItems(items);
    }
    dateBox_->setCurrentIndex(form_.DateIndex);
}

void MainWindow::RefreshRaceList() {
    QSignalBlocker block(raceList_);
    QStringList items;
    for (const auto& race : form_.RaceList)
        items << ToQString(race);
    QStringList current;
    for (int i = 0; i < raceList_->count(); ++i)
        current << raceList_->item(i)->text();
    if (current != items) {
        raceList_->clear();
        raceList_->addItems(items);
    }
    raceList_->setCurrentRow(form_.RaceListIndex);
}

void MainWindow::Refresh() {
    if (refreshing_) return;
    refreshing_ = true;
    RefreshDateList();
    RefreshRaceList();
    downloadLabel_->setText(ToQString(form_.DownloadLabel.text));
    raceListPanel_->setVisible(form_.RaceListPanelVisible);
    clockLabel_->setText(ToQString(form_.ClockLabel.text));
    remainingLabel_->setVisible(form_.RemainingTimeLabel.visible);
    remainingLabel_->setText(ToQString(form_.RemainingTimeLabel.text));
    SyncTimer(clockTimer_, form_.ClockTimer);
    SyncTimer(countdownTimer_, form_.CountdownTimer);
    SyncTimer(autoOddsTimer_, form_.AutoOddsTimer);
    SyncTimer(resultsTimer_, form_.ResultsTimer);
    SyncTimer(changeTimer_, form_.ChangeTimer);
    refreshing_ = false;
}

void MainWindow::OpenDownloadDialog() {
    TGetDataForm download(form_.DataService(), form_.Store(), form_.Settings(), ui_,
                          form_.Ports().clock, form_.DownloadCancelFlag);
    download.FormCreate();
    GetDataDialog dialog(download, this);
    dialog.exec();
    form_.AfterDownload();
    Refresh();
}

void MainWindow::ShowVersion() {
    QMessageBox::about(
        this, QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"),
        ToQString(kApplicationTitle) + QStringLiteral("\n") + ToQString(form_.VersionText()));
}

void MainWindow::ChooseExternalFolder(const char* key, const char* caption) {
    std::string start = form_.Settings().ReadString("Dir", key, form_.ProgramFolder());
    if (auto folder = ui_.ChooseFolder(ToSjis(QString::fromUtf8(caption)), start))
        form_.Settings().WriteString("Dir", key, *folder);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    QTimer::singleShot(0, this, [this] {
        form_.FormShow();
        Refresh();
    });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    QRect g = geometry();
    form_.FormCloseQuery({g.top(), g.left(), g.width(), g.height()});
    event->accept();
}

}  // namespace kagiroi
