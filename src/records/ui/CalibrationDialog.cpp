#include "records/ui/CalibrationDialog.h"

#include "model/ReliabilityChartPng.h"
#include "records/CalibrationRaces.h"
#include "records/WorkerPool.h"
#include "records/ui/ReliabilityChart.h"
#include "records/ui/ReplayRunBar.h"
#include "widgets/TextConversion.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QVBoxLayout>
#include <algorithm>

namespace kagiroi {

namespace {

// A table `rows` lines high (its header besides), each row a line of text.
QTableWidget* NewTable(QWidget* parent, const QString& name, int rows) {
    auto* table = new QTableWidget(parent);
    table->setObjectName(name);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->setVisible(false);
    int line = table->fontMetrics().height() + 6;
    table->verticalHeader()->setDefaultSectionSize(line);
    // The header's own hint is too small before it has labels: count it as a line and a bit.
    table->setFixedHeight((rows + 1) * line + 8 + 2 * table->frameWidth());
    return table;
}

}  // namespace

CalibrationDialog::CalibrationDialog(ReplaySnapshotSource snapshots, const std::string& first,
                                     const std::string& last, SaveModel save, QWidget* parent)
    : QDialog(parent), snapshots_(std::move(snapshots)), save_(std::move(save)) {
    setWindowTitle(QStringLiteral("的中率の当てはめ"));
    bar_ = new ReplayRunBar(first, last, this);
    use_ = new QPushButton(QStringLiteral("設定に反映..."), this);
    use_->setToolTip(QStringLiteral("当てはめた α、λ、τ を投資金設定の的中率のモデルにします"));
    png_ = new QPushButton(QStringLiteral("PNG保存..."), this);
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    connect(bar_, &ReplayRunBar::RunRequested, this, &CalibrationDialog::Run);
    connect(bar_, &ReplayRunBar::Finished, this, &CalibrationDialog::Finish);
    connect(use_, &QPushButton::clicked, this, &CalibrationDialog::AskToSave);
    connect(png_, &QPushButton::clicked, this, [this] {
        if (outcome_ && outcome_->report.fitted)
            SaveAs(this, QStringLiteral("PNG保存"), QStringLiteral("calibration.png"),
                   QStringLiteral("PNG (*.png)"), ReliabilityChartPng(outcome_->report));
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    races_ = NewTable(this, QStringLiteral("races"), 4);
    models_ = NewTable(this, QStringLiteral("models"), 3);
    reliability_ = NewTable(this, QStringLiteral("reliability"),
                            static_cast<int>(ReliabilityEdges().size()) - 1);
    chart_ = new ReliabilityChart(this);

    auto* top = new QHBoxLayout;
    top->addWidget(bar_, 1);
    top->addWidget(use_);
    top->addWidget(png_);
    top->addWidget(close);
    auto* tables = new QVBoxLayout;
    tables->addWidget(races_);
    tables->addWidget(models_);
    tables->addWidget(reliability_);
    tables->addStretch();
    auto* body = new QHBoxLayout;
    body->addLayout(tables, 3);
    body->addWidget(chart_, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(body, 1);
    resize(1000, 560);
    ShowReport();
}

CalibrationDialog::~CalibrationDialog() {
    bar_->Stop();
}

void CalibrationDialog::done(int result) {
    bar_->Stop();
    QDialog::done(result);
}

void CalibrationDialog::Run() {
    auto snapshot = std::make_shared<ReplaySnapshot>(snapshots_(bar_->From(), bar_->To()));
    if (snapshot->days.empty()) {
        bar_->Tell(QStringLiteral("この期間に保存された日がありません。"), true);
        return;
    }
    outcome_.reset();
    ShowReport();
    pending_ = std::make_shared<Outcome>();
    pending_->current = snapshot->settings.model;
    // The pool tells whole days done, which is what the bar shows, even on one core.
    int jobs = std::max(2, DefaultJobCount());
    bar_->Start(
        [snapshot, out = pending_, jobs](const ReplayWorker::Progress& progress) {
            CalibrationSample sample = GatherCalibrationRaces(
                snapshot->days, snapshot->programFolder, snapshot->rates, jobs, progress);
            if (!sample.stopped) out->report = Calibrate(sample.races, sample.leftOut);
        },
        static_cast<int>(snapshot->days.size()));
}

void CalibrationDialog::Finish(bool stopped) {
    if (!stopped) outcome_ = std::move(*pending_);
    ShowReport();
    if (stopped)
        bar_->Tell(QStringLiteral("中止しました。"));
    else if (!outcome_->report.fitted)
        bar_->Tell(ToQString(TooFewRacesText(outcome_->report.usable)), true);
    else
        bar_->Tell(QString());
}

void CalibrationDialog::ShowReport() {
    const CalibrationReport* report = outcome_ ? &outcome_->report : nullptr;
    bool fitted = report != nullptr && report->fitted.has_value();
    ShowRows(races_,
             report ? CalibrationRaceRows(*report) : std::vector<std::vector<std::string>>{}, 1);
    ShowRows(models_,
             fitted ? CalibrationModelRows(*report) : std::vector<std::vector<std::string>>{}, 1);
    ShowRows(reliability_,
             fitted ? ReliabilityRows(*report) : std::vector<std::vector<std::string>>{}, 1);
    chart_->SetReport(fitted ? report : nullptr);
    use_->setEnabled(fitted);
    png_->setEnabled(fitted);
}

void CalibrationDialog::AskToSave() {
    if (!outcome_ || !outcome_->report.fitted) return;
    const ModelParameters fitted = *outcome_->report.fitted;
    QMessageBox::StandardButton answer = QMessageBox::question(
        this, windowTitle(), ToQString(SaveFitQuestion(fitted, outcome_->current)),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes) return;
    save_(fitted);
    outcome_->current = fitted;
    bar_->Tell(QStringLiteral("的中率のモデルを設定しました。"));
}

}  // namespace kagiroi
