// The 投票記録 window lists what the record holds and tells a record it cannot read.
#include "platform/FileSystem.h"
#include "records/VoteJournal.h"
#include "records/ui/VoteJournalDialog.h"
#include "support/TempFolder.h"
#include "widgets/TextConversion.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace kagiroi {
namespace {

QString Cell(QTableWidget* table, int row, int col) {
    QTableWidgetItem* item = table->item(row, col);
    return item != nullptr ? item->text() : QStringLiteral("(none)");
}

QPushButton* CsvButton(QDialog& dialog) {
    for (auto* button : dialog.findChildren<QPushButton*>())
        if (button->text() == QStringLiteral("CSV保存...")) return button;
    return nullptr;
}

TEST(VoteJournalDialogTest, ShowsARecordedVoteWithItsDayAndTotal) {
    test::TempFolder home;
    Vote vote{"2024/01/07 09:58:10",
              "2024010706010101",
              ToSjis(QStringLiteral("2024/01/07中山1R")),
              BetType::Trio,
              VoteRoute::PatbetFile,
              {{" 2- 5- 6", 300, "12.5"}, {" 2- 5- 8", 400, "30.1"}}};
    ASSERT_TRUE(AppendVote(VoteJournalPath(home.Path()), vote, nullptr));

    VoteJournalDialog dialog(home.Path());
    auto* votes = dialog.findChild<QTableWidget*>(QStringLiteral("votes"));
    auto* summary = dialog.findChild<QTableWidget*>(QStringLiteral("summary"));
    ASSERT_NE(nullptr, votes);
    ASSERT_NE(nullptr, summary);
    ASSERT_EQ(1, votes->rowCount());
    EXPECT_EQ(QStringLiteral("2024/01/07中山1R"), Cell(votes, 0, 1));
    EXPECT_EQ(QStringLiteral("投票ファイル"), Cell(votes, 0, 3));
    EXPECT_EQ(QStringLiteral("700"), Cell(votes, 0, 5));
    EXPECT_EQ(QStringLiteral("未確定"), Cell(votes, 0, 6)) << "no payouts stored";
    ASSERT_EQ(3, summary->rowCount());  // the day, the month, the total
    EXPECT_EQ(QStringLiteral("2024/01/07"), Cell(summary, 0, 0));
    EXPECT_EQ(QStringLiteral("2024/01"), Cell(summary, 1, 0));
    ASSERT_NE(nullptr, CsvButton(dialog));
    EXPECT_TRUE(CsvButton(dialog)->isEnabled());
}

TEST(VoteJournalDialogTest, AnUnreadableRecordIsToldNotListedAsEmpty) {
    test::TempFolder home;
    ASSERT_TRUE(MakeDirectory(VoteJournalPath(home.Path()), nullptr));
    VoteJournalDialog dialog(home.Path());
    auto* notice = dialog.findChild<QLabel*>(QStringLiteral("notice"));
    ASSERT_NE(nullptr, notice);
    EXPECT_TRUE(notice->isVisibleTo(&dialog));
    EXPECT_TRUE(notice->text().contains(QStringLiteral("tohyokiroku.csv を読み込めませんでした")))
        << notice->text().toStdString();
    EXPECT_EQ(0, dialog.findChild<QTableWidget*>(QStringLiteral("summary"))->rowCount())
        << "no zero totals for a record that was not read";
    ASSERT_NE(nullptr, CsvButton(dialog));
    EXPECT_FALSE(CsvButton(dialog)->isEnabled());
}

}  // namespace
}  // namespace kagiroi
