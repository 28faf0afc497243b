#include "records/ui/BacktestDialog.h"

#include "records/WorkerPool.h"
#include "records/ui/BalanceChart.h"
#include "records/ui/ReplayRunBar.h"
#include "widgets/TextConversion.h"

#include <QBuffer>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>

namespace kagiroi {

BacktestDialog::BacktestDialog(ReplaySnapshotSource snapshots, const std::string& first,
                               const std::string& last, QWidget* parent)
    : QDialog(parent), snapshots_(std::move(snapshots)) {
    setWindowTitle(QStringLiteral("バックテスト"));
    bar_ = new ReplayRunBar(first, last, this);
    auto* csv = new QPushButton(QStringLiteral("CSV保存..."), this);
    auto* png = new QPushButton(QStringLiteral("PNG保存..."), this);
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    connect(bar_, &ReplayRunBar::RunRequested, this, &BacktestDialog::Run);
    connect(bar_, &ReplayRunBar::Finished, this, [this](bool stopped) {
        result_.reset();
        if (!stopped) result_ = std::move(*pending_);
        ShowResult();
        bar_->Tell(stopped ? QStringLiteral("中止しました。")
                           : ToQString(result_->racesWithoutData > 0
                                           ? RacesWithoutDataText(result_->racesWithoutData)
                                           : std::string()));
    });
    connect(csv, &QPushButton::clicked, this, [this] {
        if (result_)
            SaveAs(this, QStringLiteral("CSV保存"), QStringLiteral("backtest.csv"),
                   QStringLiteral("CSV (*.csv)"), BacktestCsv(*result_));
    });
    connect(png, &QPushButton::clicked, this, [this] {
        if (!result_) return;
        QByteArray image;
        QBuffer buffer(&image);
        buffer.open(QIODevice::WriteOnly);
        if (!chart_->grab().save(&buffer, "PNG"))
            QMessageBox::warning(this, windowTitle(),
                                 QStringLiteral("グラフを画像にできませんでした。"));
        else
            SaveAs(this, QStringLiteral("PNG保存"), QStringLiteral("backtest.png"),
                   QStringLiteral("PNG (*.png)"), image.toStdString());
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    odds_ = NewReplayOddsBox(this);

    table_ = new QTableWidget(this);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->setVisible(false);
    chart_ = new BalanceChart(this);

    auto* top = new QHBoxLayout;
    top->addWidget(bar_, 1);
    top->addWidget(odds_);
    top->addWidget(csv);
    top->addWidget(png);
    top->addWidget(close);
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(table_);
    split->addWidget(chart_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(split, 1);
    resize(1000, 640);
}

BacktestDialog::~BacktestDialog() {
    bar_->Stop();
}

void BacktestDialog::done(int result) {
    bar_->Stop();
    QDialog::done(result);
}

void BacktestDialog::Run() {
    auto snapshot = std::make_shared<ReplaySnapshot>(snapshots_(bar_->From(), bar_->To()));
    // Odds of the moment of betting where a history has them; the table counts the races.
    snapshot->bettime = BettimeChosen(odds_);
    result_.reset();
    ShowResult();
    pending_ = std::make_shared<BacktestResult>();
    // The pool tells whole days done, which is what the bar shows, even on one core.
    int jobs = std::max(2, DefaultJobCount());
    bar_->Start(
        [snapshot, out = pending_, jobs](const ReplayWorker::Progress& progress) {
            *out = RunBacktest(
                snapshot->days, snapshot->Source(), {},
                [&](const ReplayProgress& where) { return progress(where.day); }, jobs);
        },
        static_cast<int>(snapshot->days.size()));
}

void BacktestDialog::ShowResult() {
    chart_->SetResult(result_ ? &*result_ : nullptr);
    if (result_)
        ShowRows(table_, BacktestRows(*result_), 1);
    else
        ShowRows(table_, {}, 0);
}

}  // namespace kagiroi
