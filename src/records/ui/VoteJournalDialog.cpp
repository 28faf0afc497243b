#include "records/ui/VoteJournalDialog.h"

#include "records/ui/ReplayRunBar.h"
#include "widgets/TextConversion.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace kagiroi {

VoteJournalDialog::VoteJournalDialog(const std::string& programFolder, QWidget* parent)
    : QDialog(parent), listing_(ListVoteJournal(programFolder, {}, {})) {
    setWindowTitle(QStringLiteral("投票記録"));
    notice_ = new QLabel(this);
    notice_->setObjectName(QStringLiteral("notice"));
    notice_->setWordWrap(true);
    QStringList notices;
    if (listing_.failure) notices << ToQString(*listing_.failure);
    for (const std::string& problem : listing_.problems)
        notices << ToQString(problem);
    notice_->setText(notices.join(QStringLiteral("\n")));
    notice_->setVisible(!notices.isEmpty());
    if (listing_.failure) notice_->setStyleSheet(QStringLiteral("color: red"));

    auto* csv = new QPushButton(QStringLiteral("CSV保存..."), this);
    csv->setEnabled(!listing_.failure);
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    connect(csv, &QPushButton::clicked, this, [this] {
        SaveAs(this, QStringLiteral("CSV保存"), QStringLiteral("tohyokiroku-list.csv"),
               QStringLiteral("CSV (*.csv)"), JournalListingCsv(listing_));
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    votes_ = new QTableWidget(this);
    votes_->setObjectName(QStringLiteral("votes"));
    summary_ = new QTableWidget(this);
    summary_->setObjectName(QStringLiteral("summary"));
    for (QTableWidget* table : {votes_, summary_}) {
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->verticalHeader()->setVisible(false);
    }
    ShowRows(votes_, listing_.votes, 4);
    ShowRows(summary_, listing_.summary, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(csv);
    buttons->addWidget(close);
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(votes_);
    split->addWidget(summary_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(notice_);
    layout->addWidget(split, 1);
    layout->addLayout(buttons);
    resize(900, 600);
}

}  // namespace kagiroi
