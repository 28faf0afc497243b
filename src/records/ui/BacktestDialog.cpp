#include "records/ui/BacktestDialog.h"

#include "platform/FileSystem.h"
#include "records/ui/BalanceChart.h"
#include "widgets/TextConversion.h"

#include <QBuffer>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace kagiroi {

namespace {

QDate DateOf(const std::string& yyyymmdd) {
    QDate date = QDate::fromString(QString::fromStdString(yyyymmdd), QStringLiteral("yyyyMMdd"));
    return date.isValid() ? date : QDate::currentDate();
}

std::string Digits(const QDateEdit* edit) {
    return edit->date().toString(QStringLiteral("yyyyMMdd")).toStdString();
}

// Written whole as every file of the program is; a failure is told with the file's name.
void SaveWhole(QWidget* parent, const QString& path, const std::string& data) {
    FileError error;
    if (!WriteFileAtomic(ToSjis(path), data, &error))
        QMessageBox::warning(
            parent, parent->windowTitle(),
            path + QStringLiteral(" を保存できませんでした。\n") + ToQString(UserErrorText(error)));
}

}  // namespace

BacktestDialog::BacktestDialog(Runner runner, const std::string& first, const std::string& last,
                               QWidget* parent)
    : QDialog(parent), runner_(std::move(runner)) {
    setWindowTitle(QStringLiteral("バックテスト"));
    from_ = new QDateEdit(DateOf(first), this);
    to_ = new QDateEdit(DateOf(last), this);
    for (QDateEdit* edit : {from_, to_}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    }
    auto* run = new QPushButton(QStringLiteral("実行"), this);
    auto* csv = new QPushButton(QStringLiteral("CSV保存..."), this);
    auto* png = new QPushButton(QStringLiteral("PNG保存..."), this);
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    connect(run, &QPushButton::clicked, this, &BacktestDialog::Run);
    connect(csv, &QPushButton::clicked, this, &BacktestDialog::SaveCsv);
    connect(png, &QPushButton::clicked, this, &BacktestDialog::SavePng);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    table_ = new QTableWidget(this);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->setVisible(false);
    chart_ = new BalanceChart(this);

    auto* range = new QHBoxLayout;
    range->addWidget(new QLabel(QStringLiteral("開始日"), this));
    range->addWidget(from_);
    range->addWidget(new QLabel(QStringLiteral("終了日"), this));
    range->addWidget(to_);
    range->addWidget(run);
    range->addStretch();
    range->addWidget(csv);
    range->addWidget(png);
    range->addWidget(close);
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(table_);
    split->addWidget(chart_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(range);
    layout->addWidget(split, 1);
    resize(1000, 640);
}

void BacktestDialog::Run() {
    if (from_->date() > to_->date()) {
        QMessageBox::information(this, windowTitle(),
                                 QStringLiteral("開始日が終了日より後になっています。"));
        return;
    }
    result_ = runner_(Digits(from_), Digits(to_));
    ShowResult();
}

void BacktestDialog::ShowResult() {
    table_->clear();
    chart_->SetResult(result_ ? &*result_ : nullptr);
    if (!result_) return;
    std::vector<std::vector<std::string>> rows = BacktestRows(*result_);
    table_->setColumnCount(static_cast<int>(rows.front().size()));
    table_->setRowCount(static_cast<int>(rows.size()) - 1);
    table_->setHorizontalHeaderLabels(ToQStringList(rows.front()));
    for (size_t r = 1; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c) {
            auto* item = new QTableWidgetItem(ToQString(rows[r][c]));
            if (c > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(static_cast<int>(r) - 1, static_cast<int>(c), item);
        }
    table_->resizeColumnsToContents();
}

void BacktestDialog::SaveCsv() {
    if (!result_) return;
    QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("CSV保存"),
                                     QStringLiteral("backtest.csv"), QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty()) return;
    SaveWhole(this, path, BacktestCsv(*result_));
}

void BacktestDialog::SavePng() {
    if (!result_) return;
    QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("PNG保存"),
                                     QStringLiteral("backtest.png"), QStringLiteral("PNG (*.png)"));
    if (path.isEmpty()) return;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!chart_->grab().save(&buffer, "PNG")) {
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("グラフを画像にできませんでした。"));
        return;
    }
    SaveWhole(this, path, png.toStdString());
}

}  // namespace kagiroi
