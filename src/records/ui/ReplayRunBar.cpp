#include "records/ui/ReplayRunBar.h"

#include "platform/FileSystem.h"
#include "widgets/TextConversion.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
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

}  // namespace

ReplayRunBar::ReplayRunBar(const std::string& first, const std::string& last, QWidget* parent)
    : QWidget(parent), worker_(new ReplayWorker(this)) {
    from_ = new QDateEdit(DateOf(first), this);
    to_ = new QDateEdit(DateOf(last), this);
    for (QDateEdit* edit : {from_, to_}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    }
    run_ = new QPushButton(QStringLiteral("実行"), this);
    cancel_ = new QPushButton(QStringLiteral("中止"), this);
    bar_ = new QProgressBar(this);
    bar_->setFormat(QStringLiteral("%v／%m日"));
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("status"));
    // A refusal lists every setting a sweep can vary: wrapped, it never widens the dialog.
    status_->setWordWrap(true);
    connect(run_, &QPushButton::clicked, this, [this] {
        if (from_->date() > to_->date())
            Tell(QStringLiteral("開始日が終了日より後になっています。"), true);
        else
            emit RunRequested();
    });
    connect(cancel_, &QPushButton::clicked, worker_, &ReplayWorker::RequestStop);
    connect(worker_, &ReplayWorker::Progressed, bar_, &QProgressBar::setValue);
    connect(worker_, &ReplayWorker::Finished, this, [this](bool stopped) {
        // The pool's last count may come before its last day ends.
        if (!stopped) bar_->setValue(bar_->maximum());
        Follow(false);
        emit Finished(stopped);
    });

    auto* range = new QHBoxLayout;
    range->setContentsMargins(0, 0, 0, 0);
    range->addWidget(new QLabel(QStringLiteral("開始日"), this));
    range->addWidget(from_);
    range->addWidget(new QLabel(QStringLiteral("終了日"), this));
    range->addWidget(to_);
    range->addWidget(run_);
    range->addWidget(cancel_);
    range->addWidget(bar_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(range);
    layout->addWidget(status_);
    Follow(false);
}

std::string ReplayRunBar::From() const {
    return Digits(from_);
}

std::string ReplayRunBar::To() const {
    return Digits(to_);
}

void ReplayRunBar::Start(ReplayWorker::Work work, int days) {
    bar_->setRange(0, days);
    bar_->setValue(0);
    Tell(QStringLiteral("計算しています..."));
    Follow(true);
    worker_->Start(std::move(work));
}

void ReplayRunBar::Tell(const QString& text, bool refusal) {
    status_->setText(text);
    status_->setStyleSheet(refusal ? QStringLiteral("color: #c00000;") : QString());
}

void ReplayRunBar::Follow(bool running) {
    run_->setEnabled(!running);
    cancel_->setEnabled(running);
    from_->setEnabled(!running);
    to_->setEnabled(!running);
}

QComboBox* NewReplayOddsBox(QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("ReplayOdds"));
    box->addItem(QStringLiteral("投票時点のオッズ"));
    box->addItem(QStringLiteral("確定オッズ"));
    box->setToolTip(QStringLiteral(
        "投票時点のオッズ: 時系列オッズ(指定がなければ自前の記録)から、各レースの最初のオッズ"
        "取得時刻に最も近い発表を使います。発表のないレースは保存されたオッズを使います。"));
    return box;
}

bool BettimeChosen(const QComboBox* box) {
    return box->currentIndex() == 0;
}

void ShowRows(QTableWidget* table, const std::vector<std::vector<std::string>>& rows,
              size_t firstNumber) {
    table->clear();
    table->setRowCount(0);
    if (rows.empty()) return;
    table->setColumnCount(static_cast<int>(rows.front().size()));
    table->setRowCount(static_cast<int>(rows.size()) - 1);
    table->setHorizontalHeaderLabels(ToQStringList(rows.front()));
    for (size_t r = 1; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c) {
            auto* item = new QTableWidgetItem(ToQString(rows[r][c]));
            if (c >= firstNumber) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(static_cast<int>(r) - 1, static_cast<int>(c), item);
        }
    table->resizeColumnsToContents();
}

void SaveAs(QWidget* parent, const QString& caption, const QString& suggested,
            const QString& filter, const std::string& data) {
    QString path = QFileDialog::getSaveFileName(parent, caption, suggested, filter);
    if (path.isEmpty()) return;
    // Written whole as every file of the program is.
    FileError error;
    if (!WriteFileAtomic(ToSjis(path), data, &error))
        QMessageBox::warning(
            parent, parent->windowTitle(),
            path + QStringLiteral(" を保存できませんでした。\n") + ToQString(UserErrorText(error)));
}

}  // namespace kagiroi
