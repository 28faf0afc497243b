#include "records/ui/SweepDialog.h"

#include "records/WorkerPool.h"
#include "records/ui/ReplayRunBar.h"
#include "widgets/TextConversion.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kagiroi {

SweepDialog::SweepDialog(ReplaySnapshotSource snapshots, const std::string& first,
                         const std::string& last, QWidget* parent)
    : QDialog(parent), snapshots_(std::move(snapshots)) {
    setWindowTitle(QStringLiteral("設定の比較"));
    bar_ = new ReplayRunBar(first, last, this);
    middle_ = new QCheckBox(QStringLiteral("中間日"), this);
    middle_->setChecked(true);
    split_ = new QDateEdit(QDate::fromString(QString::fromStdString(last), "yyyyMMdd"), this);
    split_->setCalendarPopup(true);
    split_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    split_->setEnabled(false);
    connect(middle_, &QCheckBox::toggled, split_, [this](bool on) { split_->setEnabled(!on); });
    nets_ = new QComboBox(this);
    nets_->addItems({QStringLiteral("３連複"), QStringLiteral("３連単"), QStringLiteral("両方")});
    nets_->setCurrentIndex(2);
    odds_ = NewReplayOddsBox(this);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("設定"), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("値（カンマ区切り）"), this), 0, 1);
    QStringList keys{QString()};
    keys += ToQStringList(SweepParameterKeys());
    for (int r = 0; r < kAxisRows; ++r) {
        // Editable: a key typed by hand is checked and refused by name like any other.
        AxisRow row{new QComboBox(this), new QLineEdit(this)};
        row.key->setEditable(true);
        row.key->setObjectName(QStringLiteral("key%1").arg(r));
        row.values->setObjectName(QStringLiteral("values%1").arg(r));
        row.key->addItems(keys);
        row.key->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        row.values->setPlaceholderText(QStringLiteral("例: 1000,3000,5000"));
        grid->addWidget(row.key, r + 1, 0);
        grid->addWidget(row.values, r + 1, 1);
        axes_.push_back(row);
    }
    grid->setColumnStretch(1, 1);

    auto* options = new QHBoxLayout;
    options->addWidget(new QLabel(QStringLiteral("分割日"), this));
    options->addWidget(middle_);
    options->addWidget(split_);
    options->addWidget(new QLabel(QStringLiteral("券種"), this));
    options->addWidget(nets_);
    options->addWidget(new QLabel(QStringLiteral("オッズ"), this));
    options->addWidget(odds_);
    options->addStretch();

    table_ = new QTableWidget(this);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->setVisible(false);
    auto* csv = new QPushButton(QStringLiteral("CSV保存..."), this);
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    connect(bar_, &ReplayRunBar::RunRequested, this, &SweepDialog::Run);
    connect(bar_, &ReplayRunBar::Finished, this, [this](bool stopped) {
        result_.reset();
        if (!stopped) result_ = std::move(*pending_);
        ShowRows(table_, result_ ? SweepTable(*result_) : std::vector<std::vector<std::string>>{},
                 result_ ? result_->names.size() : 0);
        QDate split = QDate::fromString(QString::fromStdString(result_ ? result_->split : ""),
                                        QStringLiteral("yyyyMMdd"));
        bar_->Tell(stopped
                       ? QStringLiteral("中止しました。")
                       : QStringLiteral("分割日 ") + split.toString(QStringLiteral("yyyy-MM-dd")) +
                             QStringLiteral("　") + ToQString(SweepOddsText(*result_)));
    });
    connect(csv, &QPushButton::clicked, this, [this] {
        if (result_)
            SaveAs(this, QStringLiteral("CSV保存"), QStringLiteral("sweep.csv"),
                   QStringLiteral("CSV (*.csv)"), SweepCsv(*result_));
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(csv);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar_);
    layout->addLayout(options);
    layout->addLayout(grid);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    resize(1000, 640);
}

SweepDialog::~SweepDialog() {
    bar_->Stop();
}

void SweepDialog::done(int result) {
    bar_->Stop();
    QDialog::done(result);
}

std::vector<std::string> SweepDialog::AxisTexts() const {
    std::vector<std::string> texts;
    for (const AxisRow& row : axes_) {
        std::string key = ToSjis(row.key->currentText().trimmed());
        std::string values = ToSjis(row.values->text().remove(QChar(' ')));
        if (key.empty() && values.empty()) continue;
        // A key without values goes alone, so that the refusal asks for its values.
        texts.push_back(values.empty() ? key : key + "=" + values);
    }
    return texts;
}

SweepNets SweepDialog::Nets() const {
    const SweepNets nets[] = {SweepNets::Trio, SweepNets::Trifecta, SweepNets::Both};
    return nets[nets_->currentIndex()];
}

void SweepDialog::Run() {
    std::string error;
    std::optional<std::vector<SweepAxis>> axes = ParseSweepAxes(AxisTexts(), &error);
    if (!axes) {
        bar_->Tell(ToQString(error), true);
        return;
    }
    auto snapshot = std::make_shared<ReplaySnapshot>(snapshots_(bar_->From(), bar_->To()));
    if (snapshot->days.empty()) {
        bar_->Tell(QStringLiteral("この期間に保存された日がありません。"), true);
        return;
    }
    snapshot->bettime = BettimeChosen(odds_);
    std::string split =
        middle_->isChecked() ? "" : split_->date().toString("yyyyMMdd").toStdString();
    result_.reset();
    ShowRows(table_, {}, 0);
    pending_ = std::make_shared<SweepResult>();
    bar_->Start(
        [snapshot, axes = std::move(*axes), split, nets = Nets(),
         out = pending_](const ReplayWorker::Progress& progress) {
            *out = RunSweep(snapshot->days, snapshot->Source(), axes, split, nets,
                            DefaultJobCount(), progress);
        },
        static_cast<int>(snapshot->days.size()));
}

}  // namespace kagiroi
