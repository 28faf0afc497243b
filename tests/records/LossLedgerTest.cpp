#include "records/LossLedger.h"
#include "records/TLossRegForm.h"

#include "platform/FileSystem.h"
#include "platform/SettingsFile.h"
#include "support/FakePorts.h"
#include "support/TempFolder.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

TEST(LossLedger, AQuoteInAFieldReadsBackWholeAfterASave) {
    test::TempFolder folder;
    std::string path = folder / "ruison.csv";
    ASSERT_TRUE(WriteFileAtomic(path, "\" 1\",\"a\"\"b\",\"c,d\",\"  -1200\"\r\n"));
    LossLedger ledger(path);
    ledger.Load();
    ASSERT_TRUE(ledger.Save());
    LossLedger again(path);
    again.Load();
    ASSERT_EQ(1u, again.Entries().size());
    EXPECT_EQ("a\"b", again.Entries()[0].race);
    EXPECT_EQ("c,d", again.Entries()[0].betType);
}

TEST(LossLedger, ALineOfControlBytesIsKeptThroughASaveLikeAnyDamagedLine) {
    test::TempFolder folder;
    std::string path = folder / "ruison.csv";
    for (const std::string damaged : {"\x01\x02\x03", "\t\x1b", "\x0c"}) {
        const std::string text =
            "\" 1\",\"2009/03/15中山11R\",\"枠連\",\"   3000\"\r\n" + damaged + "\r\n";
        ASSERT_TRUE(WriteFileAtomic(path, text));
        LossLedger ledger(path);
        EXPECT_EQ(1u, ledger.Load().size());
        ASSERT_TRUE(ledger.Save());
        EXPECT_EQ(text, ReadWholeFile(path).value_or(""));
    }
}

// The 損失金管理 window over a ledger in a temporary folder, with the races of one day.
class LossRegFormTest : public ::testing::Test {
  protected:
    LossRegFormTest() {
        form.OnLossChanged([this] { ++changes; });
        form.SetRaces({{"中山11R", "2009/03/15中山11R"},
                       {"中山12R", "2009/03/15中山12R"},
                       {"阪神11R", "2009/03/15阪神11R"}});
    }
    void Record(int race, const char* amount, bool yes = true) {
        form.ListBox1 = race;
        form.Edit1 = amount;
        ui.AnswerNext(yes);
        ui.AnswerNext(yes);  // the overwrite question, when asked
        form.RecordLoss();
        ui = test::FakeUi();
    }
    std::string File() const { return ReadWholeFile(folder / "ruison.csv").value_or("<none>"); }

    test::TempFolder folder;
    test::FakeUi ui;
    SettingsFile settings{folder / "kagiroi.ini"};
    TLossRegForm form{folder / "ruison.csv", ui, settings};
    int changes = 0;
};

const char kLine1[] = "\" 1\",\"2009/03/15中山11R\",\"枠連\",\"   3000\"\r\n";
const char kLine2[] = "\" 2\",\"2009/03/15中山12R\",\"枠連\",\"   2000\"\r\n";
const char kLine3[] = "\" 3\",\"2009/03/15阪神11R\",\"枠連\",\"   1000\"\r\n";

TEST_F(LossRegFormTest, RecordingAsksWritesTheFileAndTotals) {
    form.FormCreate();
    Record(0, "3000");
    EXPECT_TEXT_EQ(kLine1, File());
    EXPECT_TEXT_EQ("    3000", form.CumulativeLabel());
    EXPECT_EQ(1, changes);
    Record(1, "2000");
    Record(2, "1000", false);  // answered No: nothing recorded
    EXPECT_TEXT_EQ(std::string(kLine1) + kLine2, File());
    EXPECT_TEXT_EQ("中山12R", form.StringGrid1().Cell(1, 2).substr(10));
    EXPECT_EQ(5000, form.CumulativeLoss());
}

TEST_F(LossRegFormTest, TheSameAmountIsRefusedAnotherIsAnOverwrite) {
    form.FormCreate();
    Record(0, "3000");
    form.Edit1 = "3000";
    ui.AnswerNext(true);
    form.RecordLoss();
    EXPECT_EQ((std::vector<std::string>{"すでに同じ内容が計上済みです。"}), ui.Messages());
    ui = test::FakeUi();
    ui.AnswerNext(true);
    ui.AnswerNext(true);
    form.Edit1 = "2000";
    form.RecordLoss();
    EXPECT_EQ((std::vector<std::string>{"2009/03/15中山11Rの損失金を記録しますか？",
                                        "同じレースの損失金が計上済みです。上書きしますか？"}),
              ui.Questions());
    EXPECT_TEXT_EQ("\" 1\",\"2009/03/15中山11R\",\"枠連\",\"   2000\"\r\n", File());
    EXPECT_EQ(2000, form.CumulativeLoss());
}

TEST_F(LossRegFormTest, RefusalsLeaveTheLedgerAsItWas) {
    ASSERT_TRUE(WriteFileAtomic(folder / "ruison.csv", std::string(kLine1) + kLine2));
    form.FormCreate();
    const struct {
        const char* amount;
        const char* message;
    } cases[] = {{"-5000", "利益金を記録する必要はありません。"},
                 {"-6000", "利益金を記録する必要はありません。"},
                 {"0", nullptr},
                 {"1234567", nullptr}};
    for (const auto& c : cases) {
        form.ListBox1 = 2;
        form.Edit1 = c.amount;
        form.RecordLoss();
        std::vector<std::string> expected;
        if (c.message) expected.push_back(c.message);
        EXPECT_EQ(expected, ui.Messages()) << c.amount;
        EXPECT_TRUE(ui.Questions().empty()) << c.amount;
        ui = test::FakeUi();
    }
    EXPECT_EQ(0, changes);
    EXPECT_TEXT_EQ(std::string(kLine1) + kLine2, File());
}

TEST_F(LossRegFormTest, DeletionsRefusedThenRenumbered) {
    ASSERT_TRUE(WriteFileAtomic(folder / "ruison.csv",
                                "\" 1\",\"2009/03/15中山11R\",\"枠連\",\"   5000\"\r\n"));
    form.FormCreate();
    form.TableClick(0, 1);
    form.DeleteEntry();
    EXPECT_EQ((std::vector<std::string>{
                  "このデータを削除すると損失が消えます。全削除を行ってください。"}),
              ui.Messages());

    ASSERT_TRUE(WriteFileAtomic(folder / "ruison.csv", std::string(kLine1) + kLine2 + kLine3));
    form.FormCreate();
    ui = test::FakeUi();
    form.TableClick(0, 2);
    form.TableClick(0, 0);  // the header keeps the choice
    form.DeleteEntry();
    EXPECT_EQ((std::vector<std::string>{"[No.] 2【2009/03/15中山12R】のデータを削除しますか？"}),
              ui.Questions());
    EXPECT_TEXT_EQ(std::string(kLine1) + "\" 2\",\"2009/03/15阪神11R\",\"枠連\",\"   1000\"\r\n",
                   File());
    ui = test::FakeUi();
    form.DeleteEntry();  // nothing is chosen after a deletion
    EXPECT_TRUE(ui.events.empty());
    form.TableClick(0, 2);
    form.DeleteEntry();  // 3000 less 1000 leaves a loss: the entry before the last may go
    EXPECT_TEXT_EQ(kLine1, File());
}

TEST_F(LossRegFormTest, ClearingEmptiesTheFileButKeepsADamagedLine) {
    const std::string damaged = "\" 2\",\"2009/03/15中山12R\",\"枠連\",\"9223372036854775807\"\r\n";
    ASSERT_TRUE(WriteFileAtomic(folder / "ruison.csv", kLine1 + damaged));
    std::vector<std::string> logged = form.FormCreate();
    ASSERT_EQ(1u, logged.size());
    EXPECT_NE(std::string::npos, logged[0].find("9223372036854775807"));
    EXPECT_EQ(3000, form.CumulativeLoss());
    Record(2, "1000");
    EXPECT_TEXT_EQ(kLine1 + damaged + "\" 2\",\"2009/03/15阪神11R\",\"枠連\",\"   1000\"\r\n",
                   File());
    ui.AnswerNext(true);
    form.ClearLedger();
    EXPECT_EQ((std::vector<std::string>{"表をクリアしますか？"}), ui.Questions());
    EXPECT_TEXT_EQ(damaged, File());
    EXPECT_EQ("", form.CumulativeLabel());
    EXPECT_EQ(2, form.StringGrid1().RowCount());
}

TEST_F(LossRegFormTest, TableColoursAndAlignment) {
    form.FormCreate();
    EXPECT_EQ(colors::kAqua, form.TableStyle(0, 1).background);
    EXPECT_EQ(colors::kInfoBackground, form.TableStyle(1, 1).background);
    EXPECT_EQ(colors::kWhite, form.TableStyle(3, 1).background);
    EXPECT_EQ(CellAlign::Right, form.TableStyle(3, 1).align);
    EXPECT_EQ(CellAlign::Center, form.TableStyle(1, 1).align);
}

}  // namespace
}  // namespace kagiroi
