#include "app/ui/MainWindow.h"

#include "app/TOzGetTimeForm.h"
#include "app/WindowFit.h"
#include "app/ui/AnalysisPage.h"
#include "app/ui/OzGetTimeDialog.h"
#include "app/ui/ProgressDialog.h"
#include "app/ui/RaceHeaderPanel.h"
#include "app/ui/ResultsPageView.h"
#include "app/ui/VoteFileMenu.h"
#include "datalink/TGetDataForm.h"
#include "datalink/ui/GetDataDialog.h"
#include "daystore/DayFiles.h"
#include "mail/TMailSetForm.h"
#include "mail/ui/MailSetDialog.h"
#include "odds/ui/OddsChartView.h"
#include "printing/ui/AllPrintDialog.h"
#include "printing/ui/ProgramPrinter.h"
#include "records/ui/BacktestDialog.h"
#include "records/ui/CalibrationDialog.h"
#include "records/ui/LossRegDialog.h"
#include "records/ui/SweepDialog.h"
#include "records/ui/VoteJournalDialog.h"
#include "selection/ui/RaceMoyoDialog.h"
#include "stakes/ui/KaimeSetDialog.h"
#include "widgets/Fonts.h"
#include "widgets/QtPorts.h"
#include "widgets/TextConversion.h"
#include "widgets/TextGridView.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QVBoxLayout>

namespace kagiroi {

MainWindow::MainWindow(TMainForm& form, QtUi& ui) : form_(form), ui_(ui) {
    // Message boxes and dialogs take their titles from the display name.
    QGuiApplication::setApplicationDisplayName(ToQString(ApplicationTitle()));
    setWindowTitle(ToQString(ApplicationTitle()));
    BuildMenus();
    BuildToolBar();

    auto* splitter = new QSplitter(this);
    raceListPanel_ = BuildRaceListPanel();
    raceArea_ = BuildRaceArea();
    splitter->addWidget(raceListPanel_);
    splitter->addWidget(raceArea_);
    splitter->setStretchFactor(1, 1);
    // The race list needs no more than its names, post times and states.
    splitter->setSizes({210, 690});
    setCentralWidget(splitter);

    clockLabel_ = new QLabel(this);
    remainingLabel_ = new QLabel(this);
    stakeNote_ = new QLabel(this);
    stakeNote_->setObjectName(QStringLiteral("StakeNote"));
    statusBar()->addWidget(stakeNote_, 1);
    statusBar()->addPermanentWidget(remainingLabel_);
    statusBar()->addPermanentWidget(clockLabel_);
    progress_ = new ProgressDialog(this);
    raceMoyo_ = std::make_unique<RaceMoyoDialog>(
        form_.Race().RaceMoyoForm(), [this] { form_.Race().RaceMoyoSaveClick(); }, this);
    // Made at start-up with the ledger it shows; 損失メモ shows it.
    lossReg_ = new LossRegDialog(
        form_.Investment().LossRegForm(), [this] { Refresh(); }, this);

    RestorePlacement(form_.StoredPlacement());
    form_.Mail().AttachMail(uiThread_);
    ConnectTimers();
    form_.OnChanged([this] { ScheduleRefresh(); });
    Refresh();
}

void MainWindow::AddUserSetting(const QString& text, std::function<void()> run) {
    userMenu_->addAction(text, this, [this, run = std::move(run)] { Run(run); });
}

MainWindow::~MainWindow() {
    form_.OnChanged(nullptr);
    form_.Mail().DetachMail();
}

void MainWindow::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    file->addAction(QStringLiteral("1日分の全オッズを一括取得(&O)"), this,
                    [this] { Run([this] { form_.Fetches().N1O1Click(); }); });
    file->addAction(QStringLiteral("時系列オッズより取得(&T)"), this,
                    [this] { Run([this] { form_.T1Click(); }); });
    file->addSeparator();
    file->addAction(QStringLiteral("印刷(&P)..."), this, &MainWindow::OpenPrintDialog);
    file->addAction(QStringLiteral("ﾌﾟﾘﾝﾀの設定(&R)..."), this,
                    [this] { OpenPrinterSetup(ui_, this); });
    file->addSeparator();
    file->addAction(QStringLiteral("終了(&X)"), this, &QWidget::close);

    // Not (&F): that is ﾌｧｲﾙ's.
    QMenu* folders = menuBar()->addMenu(QStringLiteral("ﾌｫﾙﾀﾞ指定(&D)"));
    folders->addAction(QStringLiteral("Hibari投票プラグイン２フォルダ指定"), this,
                       [this] { form_.Race().PluginFolderClick(); });
    folders->addAction(QStringLiteral("時系列ｵｯｽﾞﾌｫﾙﾀﾞ指定(&T)"), this,
                       [this] { form_.Race().N12Click(); });
    folders->addAction(QStringLiteral("買い目ﾌｫﾙﾀﾞ指定"), this,
                       [this] { form_.Race().KaimeFolderClick(); });

    QMenu* user = userMenu_ = menuBar()->addMenu(QStringLiteral("ﾕｰｻﾞｰ設定(&U)"));
    user->addAction(QStringLiteral("レース模様設定"), this, [this] { raceMoyo_->exec(); });
    // (&T) is 投資金設定's and (&D) the data source's.
    user->addAction(QStringLiteral("データ自動取得時刻設定(&A)"), this,
                    &MainWindow::OpenFetchTimeDialog);
    user->addAction(QStringLiteral("投資金設定(&T)"), this, &MainWindow::OpenInvestmentDialog);
    useProgression_ = user->addAction(QStringLiteral("追い上げ投資を使う"));
    useProgression_->setObjectName(QStringLiteral("UseProgression"));
    useProgression_->setCheckable(true);
    connect(useProgression_, &QAction::toggled, this,
            [this](bool on) { Run([this, on] { form_.Investment().UseProgressionClick(on); }); });

    QMenu* mail = menuBar()->addMenu(QStringLiteral("メール設定"));
    mail->addAction(QStringLiteral("ﾒｰﾙ設定"), this, &MainWindow::OpenMailSettings);
    deliveryAction_ = mail->addAction(QStringLiteral("買い目を転送する"), this,
                                      [this] { Run([this] { form_.Mail().ToggleDelivery(); }); });
    deliveryAction_->setCheckable(true);

    BuildVerificationMenu();

    QMenu* help = menuBar()->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    help->addAction(QStringLiteral("使用解説書(&C)"), this, [this] { form_.HelpClick(); });
    help->addAction(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"), this, &MainWindow::ShowVersion);
}

void MainWindow::OpenPrintDialog() {
    if (!form_.PrintRaceList()) return;
    AllPrintDialog dialog(form_.AllPrintForm(), form_.ProgramFolder(), this);
    dialog.exec();
}

namespace {

// A dialog that replays the stored days of a range on worker threads, over a snapshot of the
// settings and rates taken when it starts; the window's day and race stay as they are.
template <class Dialog, class... Extra>
void OpenReplayDialog(TMainForm& form, QWidget* parent, Extra&&... extra) {
    // The date box lists the newest day first.
    const auto& dates = form.DayList().DateList;
    std::string first = dates.empty() ? "" : DateOfDayText(dates.back()).value_or("");
    std::string last = dates.empty() ? "" : DateOfDayText(dates.front()).value_or("");
    Dialog dialog(
        [&form](const std::string& from, const std::string& to) {
            return SnapshotOf(form.Replays().StoredDaysBetween(from, to),
                              form.Replays().CurrentReplaySource());
        },
        first, last, std::forward<Extra>(extra)..., parent);
    dialog.exec();
}

}  // namespace

// What the program's tickets would have won on the loaded day: each command replays every race
// as a click on it, with the progress dialog naming the race (and day) it is on.
void MainWindow::BuildVerificationMenu() {
    verificationMenu_ = menuBar()->addMenu(QStringLiteral("検証(&V)"));
    QMenu* menu = verificationMenu_;
    menu->addAction(QStringLiteral("集計"), this,
                    [this] { Run([this] { form_.Reports().TallyDay(); }); });
    menu->addAction(QStringLiteral("検証"), this,
                    [this] { Run([this] { form_.Reports().VerifyDay(); }); });
    menu->addAction(QStringLiteral("的中"), this,
                    [this] { Run([this] { form_.Reports().ReportHits(0); }); });
    menu->addAction(QStringLiteral("穴的中"), this,
                    [this] { Run([this] { form_.Reports().ReportHits(5000); }); });
    QMenu* statistics = menu->addMenu(QStringLiteral("平均以下頭数"));
    statistics->addAction(QStringLiteral("単日分"), this,
                          [this] { Run([this] { form_.Reports().ExportDayStatistics(); }); });
    statistics->addAction(QStringLiteral("年単位"), this,
                          [this] { Run([this] { form_.Reports().ExportYearStatistics(); }); });
    menu->addSeparator();
    AddVoteFileItems(menu->addMenu(QStringLiteral("投票ファイル出力")), form_,
                     [this] { Refresh(); });
    menu->addAction(QStringLiteral("バックテスト..."), this, &MainWindow::OpenBacktestDialog);
    menu->addAction(QStringLiteral("設定の比較..."), this,
                    [this] { OpenReplayDialog<SweepDialog>(form_, this); });
    menu->addAction(QStringLiteral("的中率の当てはめ..."), this, [this] {
        // The fit becomes the settings as 投資金設定's OK writes them, and the race shown is
        // analysed again with it.
        OpenReplayDialog<CalibrationDialog>(form_, this, [this](const ModelParameters& fitted) {
            form_.Investment().OpenInvestmentSettings([&](TKaimeSetForm& settings) {
                settings.Model = fitted;
                return true;
            });
            Refresh();
        });
    });
    menu->addAction(QStringLiteral("投票記録..."), this, [this] {
        VoteJournalDialog dialog(form_.ProgramFolder(), this);
        dialog.exec();
    });
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
    };
    addButton(QStringLiteral("F"), QStringLiteral("レース一覧の表示／非表示"),
              [this] { Run([this] { form_.FButtonClick(); }); });
    addButton(QStringLiteral("JVデータ取得"), QStringLiteral("JV-Linkから蓄積データを取得します"),
              [this] { OpenDownloadDialog(); });
    addButton(QStringLiteral("速報ｵｯｽﾞ"), QStringLiteral("選択中のレースのオッズを取得します"),
              [this] { Run([this] { form_.Fetches().SokuhoOddsBtnClick(); }); });
    addButton(QStringLiteral("結果情報"), QStringLiteral("本日のレース結果と払戻を取得します"),
              [this] { Run([this] { form_.Fetches().ResultsBtnClick(); }); });
    addButton(QStringLiteral("ﾏｲﾆﾝｸﾞ"), QStringLiteral("本日のマイニング予想を取得します"),
              [this] { Run([this] { form_.Fetches().MiningBtnClick(); }); });
    addButton(QStringLiteral("直前ﾚｰｽ"), QStringLiteral("次に発走するレースを選択します"),
              [this] { Run([this] { form_.NextRaceClick(); }); });
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
    dateBox_->setMinimumContentsLength(14);
    dateBox_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    raceList_ = new QListWidget(panel);
    raceList_->setFont(GridFont(14));
    raceList_->setMinimumWidth(120);
    downloadLabel_ = new QLabel(panel);
    downloadLabel_->setWordWrap(true);
    downloadLabel_->setMinimumHeight(40);
    layout->addWidget(dateBox_);
    layout->addWidget(raceList_, 1);
    layout->addWidget(downloadLabel_);

    connect(dateBox_, &QComboBox::activated, this,
            [this](int index) { Run([this, index] { form_.DateListChange(index); }); });
    auto select = [this](int row) {
        if (row >= 0) Run([this, row] { form_.Race().DatListClick(row); });
    };
    connect(raceList_, &QListWidget::itemClicked, this,
            [this, select](QListWidgetItem* item) { select(raceList_->row(item)); });
    // Arrow keys and Enter choose a race as a click does; a press of the mouse also moves the
    // current row, and its click follows.
    auto byKeyboard = [] { return QGuiApplication::mouseButtons() == Qt::NoButton; };
    connect(raceList_, &QListWidget::currentRowChanged, this, [select, byKeyboard](int row) {
        if (byKeyboard()) select(row);
    });
    connect(raceList_, &QListWidget::itemActivated, this,
            [this, select, byKeyboard](QListWidgetItem* item) {
                if (byKeyboard()) select(raceList_->row(item));
            });
    return panel;
}

QWidget* MainWindow::BuildRaceCardPage() {
    auto* page = new QWidget(this);
    auto* copy = new QPushButton(QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞへｺﾋﾟｰ"), page);
    copy->setToolTip(QStringLiteral("指数表の内容をｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰします"));
    connect(copy, &QPushButton::clicked, this, [this] { form_.Race().CopyIndexTableClick(); });
    indexTable_ = new TextGridView(page);
    indexTable_->setObjectName(QStringLiteral("StringGrid26"));
    indexTable_->SetRowHeight(15);
    indexTable_->SetGrid(&form_.RaceCard().StringGrid26);
    indexTable_->SetStyleFunction(
        [this](int c, int r) { return form_.Race().StringGrid26Style(c, r); });
    indexTable_->SetCursorFunction(
        [this](int c, int r) { return form_.Race().StringGrid26Cursor(c, r); });
    connect(indexTable_, &TextGridView::CellPressed, this, [this](int c, int r) {
        Run([this, c, r] { form_.Race().StringGrid26MouseDown(c, r); });
    });
    auto* layout = new QVBoxLayout(page);
    auto* row = new QHBoxLayout;
    row->addWidget(copy);
    row->addStretch();
    layout->addLayout(row);
    layout->addWidget(indexTable_, 1);
    return page;
}

QWidget* MainWindow::BuildRaceArea() {
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    header_ = new RaceHeaderPanel(area);
    pages_ = new QTabWidget(area);
    analysis_ = new AnalysisPage(form_, pages_);
    results_ = new ResultsPageView(pages_);
    pages_->addTab(BuildRaceCardPage(), QStringLiteral("出馬表"));
    pages_->addTab(analysis_, QStringLiteral("分析表"));
    // The eight payout groups scroll rather than grow the window past its stored size.
    auto* resultsScroll = new QScrollArea(pages_);
    resultsScroll->setWidget(results_);
    resultsScroll->setWidgetResizable(true);
    resultsScroll->setFrameShape(QFrame::NoFrame);
    pages_->addTab(resultsScroll, QStringLiteral("結果"));
    oddsChart_ = new OddsChartView(pages_);
    pages_->addTab(oddsChart_, QStringLiteral("オッズ推移"));
    // The chart reads the race's time-series file: only when it is looked at.
    connect(pages_, &QTabWidget::currentChanged, this, &MainWindow::Refresh);
    connect(analysis_, &AnalysisPage::StateChanged, this, &MainWindow::Refresh);
    guidance_ = new QLabel(area);
    guidance_->setObjectName(QStringLiteral("Guidance"));
    guidance_->setAlignment(Qt::AlignCenter);
    guidance_->setWordWrap(true);
    guidance_->setFont(GridFont(16));
    layout->addWidget(guidance_, 1);
    layout->addWidget(header_);
    layout->addWidget(pages_, 1);
    return area;
}

void MainWindow::ConnectTimers() {
    // Named children, so a look at the window tells which timers run.
    const std::pair<QTimer*, const char*> named[] = {
        {&clockTimer_, "ClockTimer"},       {&countdownTimer_, "CountdownTimer"},
        {&autoOddsTimer_, "AutoOddsTimer"}, {&resultsTimer_, "ResultsTimer"},
        {&changeTimer_, "ChangeTimer"},     {&deliverTimer_, "DeliverTimer"}};
    for (const auto& [timer, name] : named) {
        timer->setParent(this);
        timer->setObjectName(QLatin1String(name));
    }
    // The clock ticks repaint their two labels only: a rebuild of the grids twice a second
    // would undo the user's column widths and cost a steady share of a core.
    connect(&clockTimer_, &QTimer::timeout, this, [this] {
        form_.Fetches().ClockTimerTick();
        RefreshClock();
    });
    // The race list follows the clock too: a race whose post time passes shows 発走済.
    connect(&countdownTimer_, &QTimer::timeout, this, [this] {
        form_.Fetches().CountdownTimerTick();
        RefreshClock();
        RefreshRaceList();
    });
    connect(&autoOddsTimer_, &QTimer::timeout, this,
            [this] { Run([this] { form_.Fetches().AutoOddsTimerTick(); }); });
    connect(&resultsTimer_, &QTimer::timeout, this,
            [this] { Run([this] { form_.Fetches().ResultsTimerTick(); }); });
    connect(&changeTimer_, &QTimer::timeout, this,
            [this] { Run([this] { form_.Fetches().ChangeTimerTick(); }); });
    connect(&deliverTimer_, &QTimer::timeout, this,
            [this] { Run([this] { form_.Mail().DeliverTimerTick(); }); });
}

void MainWindow::OpenMailSettings() {
    TMailSetForm state = form_.Mail().MailSettingsDialog(uiThread_);
    state.OpenMailSettings();
    MailSetDialog dialog(state, this);
    dialog.exec();
}

void MainWindow::ScheduleRefresh() {
    // The popup and the timers follow at once: a message box the handler shows next waits
    // for the user, and neither may wait with it.
    progress_->Refresh(form_.Status().Progress);
    SyncTimers();
    if (form_.Status().Progress.visible) return;
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

void MainWindow::SyncTimers() {
    SyncTimer(clockTimer_, form_.Timers().ClockTimer);
    SyncTimer(countdownTimer_, form_.Timers().CountdownTimer);
    SyncTimer(autoOddsTimer_, form_.Timers().AutoOddsTimer);
    SyncTimer(resultsTimer_, form_.Timers().ResultsTimer);
    SyncTimer(changeTimer_, form_.Timers().ChangeTimer);
    SyncTimer(deliverTimer_, form_.Timers().DeliverTimer);
}

void MainWindow::RefreshDateList() {
    QSignalBlocker block(dateBox_);
    QStringList items = ToQStringList(form_.DayList().DateList);
    QStringList current;
    for (int i = 0; i < dateBox_->count(); ++i)
        current << dateBox_->itemText(i);
    if (current != items) {
        dateBox_->clear();
        dateBox_->addItems(items);
    }
    dateBox_->setCurrentIndex(form_.DayList().DateIndex);
}

namespace {

QColor ToQColor(Rgb rgb) {
    return QColor(rgb.r, rgb.g, rgb.b);
}

void ShowRow(QListWidgetItem& item, const RaceListRow& row) {
    item.setText(ToQString(row.text));
    item.setForeground(ToQColor(row.style.text));
    item.setBackground(ToQColor(row.style.background));
    QFont font = item.font();
    font.setBold(row.style.bold);
    item.setFont(font);
}

}  // namespace

void MainWindow::RefreshRaceList() {
    QSignalBlocker block(raceList_);
    std::vector<RaceListRow> rows = form_.Race().RaceListRows();
    if (rows.size() != raceRows_.size() || raceList_->count() != static_cast<int>(rows.size())) {
        raceList_->clear();
        for (size_t i = 0; i < rows.size(); ++i)
            raceList_->addItem(QString());
        raceRows_.clear();
    }
    for (size_t i = 0; i < rows.size(); ++i)
        if (i >= raceRows_.size() || !(raceRows_[i] == rows[i]))
            ShowRow(*raceList_->item(static_cast<int>(i)), rows[i]);
    raceRows_ = std::move(rows);
    if (raceList_->currentRow() != form_.DayList().SelectedRace)
        raceList_->setCurrentRow(form_.DayList().SelectedRace);
}

void MainWindow::RefreshClock() {
    clockLabel_->setText(ToQString(form_.Status().ClockLabel.text));
    remainingLabel_->setVisible(form_.Status().RemainingTimeLabel.visible);
    remainingLabel_->setText(ToQString(form_.Status().RemainingTimeLabel.text));
}

void MainWindow::Refresh() {
    if (refreshing_) return;
    refreshing_ = true;
    progress_->Refresh(form_.Status().Progress);
    RefreshDateList();
    RefreshRaceList();
    downloadLabel_->setText(ToQString(form_.Status().DownloadLabel.text));
    stakeNote_->setText(form_.Status().RacePagesVisible ? ToQString(StakeStatusText(form_.Bets()))
                                                        : QString());
    raceListPanel_->setVisible(form_.Status().RaceListPanelVisible);
    QString guidance = ToQString(form_.GuidanceText());
    guidance_->setText(guidance);
    guidance_->setVisible(!guidance.isEmpty());
    header_->setVisible(form_.Status().RacePagesVisible);
    pages_->setVisible(form_.Status().RacePagesVisible);
    if (form_.Status().RacePagesVisible) {
        header_->Refresh(form_);
        indexTable_->Refresh();
        analysis_->Refresh();
        results_->Refresh(form_);
        if (pages_->currentWidget() == oddsChart_)
            oddsChart_->SetMovement(form_.Race().SelectedOddsMovement());
    }
    analysis_->RefreshProgression();
    {
        QSignalBlocker block(useProgression_);
        useProgression_->setChecked(form_.Investment().Progression().Offered());
    }
    lossReg_->Refresh();
    lossReg_->setVisible(form_.Investment().LossReg().Visible);
    RefreshClock();
    SyncTimers();
    deliveryAction_->setChecked(form_.Mail().DeliveryChecked());
    refreshing_ = false;
}

void MainWindow::OpenDownloadDialog() {
    TGetDataForm download = form_.DownloadDialog();
    download.FormCreate();
    GetDataDialog dialog(download, this);
    dialog.exec();
    form_.AfterDownload();
    Refresh();
}

void MainWindow::OpenBacktestDialog() {
    OpenReplayDialog<BacktestDialog>(form_, this);
}

void MainWindow::OpenFetchTimeDialog() {
    TOzGetTimeForm times = form_.FetchTimeDialog();
    OzGetTimeDialog dialog(times, this);
    dialog.exec();
}

void MainWindow::OpenInvestmentDialog() {
    form_.Investment().OpenInvestmentSettings([this](TKaimeSetForm& settings) {
        KaimeSetDialog dialog(settings, this);
        return dialog.exec() == QDialog::Accepted;
    });
    Refresh();
}

void MainWindow::ShowVersion() {
    QMessageBox::about(
        this, QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"),
        ToQString(ApplicationTitle()) + QStringLiteral("\n") + ToQString(form_.VersionText()));
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    QTimer::singleShot(0, this, [this] {
        Run([this] {
            form_.FormShow();
            form_.LoadTodayIfStored();
        });
    });
}

void MainWindow::RestorePlacement(WindowPlacement p) {
    // The primary screen first: a placement on no screen goes there.
    std::vector<ScreenArea> screens;
    QList<QScreen*> all = QGuiApplication::screens();
    all.removeAll(QGuiApplication::primaryScreen());
    all.prepend(QGuiApplication::primaryScreen());
    for (QScreen* screen : all) {
        if (screen == nullptr) continue;
        QRect area = screen->availableGeometry();
        screens.push_back({area.left(), area.top(), area.width(), area.height()});
    }
    // The frame's title bar is not known before the window is shown: room is left for it.
    int title = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    p.height += title;
    p = FitOnScreens(p, screens);
    move(p.left, p.top);
    resize(p.width, std::max(1, p.height - title));
    if (p.maximized) setWindowState(windowState() | Qt::WindowMaximized);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The frame's position and the normal size: a maximised window comes back maximised over
    // the size it had before.
    QRect normal = isMaximized() ? normalGeometry() : geometry();
    QPoint frame = normal.topLeft() - (geometry().topLeft() - pos());
    form_.FormCloseQuery({frame.y(), frame.x(), normal.width(), normal.height(), isMaximized()});
    event->accept();
}

}  // namespace kagiroi
