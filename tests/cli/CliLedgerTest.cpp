#include "cli/CliFixture.h"
#include "platform/FileSystem.h"
#include "platform/Format.h"
#include "platform/Sjis.h"
#include "platform/TextField.h"

#include <gtest/gtest.h>

namespace kagiroi::test {
namespace {

// Whether the program's UTF-8 output holds a Shift_JIS text.
bool Holds(const std::string& text, const std::string& sjisPart) {
    return text.find(SjisToUtf8(sjisPart)) != std::string::npos;
}

class CliLedgerTest : public CliTest {};

// The ledger and the progression from the command line, checked against the window's state on
// the same files.
TEST_F(CliLedgerTest, RecordsAsksRefusesAndGivesTheProgressionAmount) {
    UseDownloadedDays();
    std::string ledger = home / "ruison.csv";
    // A race whose shown table promises a return above 100%.
    int item = -1;
    {
        InProcessForm f(home.Path());
        f.LoadDay(kPastDay);
        for (int i = 0; i < static_cast<int>(f.form.DayList().RaceList.size()) && item < 0; ++i) {
            f.form.Race().DatListClick(i);
            if (ToDouble(f.form.Bets().Totals(BetType::Trio).rate.text) > 100) item = i;
        }
    }
    ASSERT_GE(item, 0);
    std::string race = Format("%d", item + 1);

    CliRun asked = Run({"ledger", "add", kPastDay, race, "3000"});
    EXPECT_EQ(1, asked.status);
    EXPECT_TRUE(Holds(asked.err, "の損失金を記録しますか？")) << asked.err;
    EXPECT_FALSE(FileExists(ledger));
    EXPECT_EQ(0, Run({"ledger", "add", kPastDay, race, "3000", "--yes"}).status);
    CliRun again = Run({"ledger", "add", kPastDay, race, "3000", "--yes"});
    EXPECT_EQ(1, again.status);
    EXPECT_TRUE(Holds(again.err, "すでに同じ内容が計上済みです。")) << again.err;
    CliRun list = Run({"ledger"});
    EXPECT_TRUE(Holds(list.out, "累積損失額：3000")) << list.out;
    CliRun recovery = Run({"ledger", "add", kPastDay, race, "-3000", "--yes"});
    EXPECT_TRUE(Holds(recovery.err, "利益金を記録する必要はありません。"))
        << "a negative amount is the command's argument, not an option: " << recovery.err;

    CliRun set = Run({"settings", "investment", "--amount", "50", "--target", "20000", "--bankroll",
                      "123456789"});
    EXPECT_EQ(2, set.status) << "nine digits are more than a bankroll holds";
    set = Run({"settings", "investment", "--amount", "50", "--target", "20000"});
    EXPECT_EQ("DefaultAmount\t100\nDefaultZogaku\t100\nDefaultTarProfit\t20000\nBankroll\t100000\n",
              set.out);

    CliRun progression = Run({"race", kPastDay, race, "--progression"});
    ASSERT_EQ(0, progression.status) << progression.err;
    InProcessForm f(home.Path());
    f.LoadDay(kPastDay);
    f.form.Race().DatListClick(item);
    f.form.Investment().ApplyProgression();
    EXPECT_TRUE(Holds(progression.out, "損失金額\t3000\n目標利益金額\t20000\n入力投票金額\t" +
                                           f.form.Betting().SaNumEditExC1 + "\n"))
        << progression.out;

    CliRun whole = Run({"ledger", "delete", "1", "--yes"});
    EXPECT_EQ(1, whole.status);
    EXPECT_TRUE(Holds(whole.err, "全削除を行ってください。")) << whole.err;
    EXPECT_EQ(0, Run({"ledger", "clear", "--yes"}).status);
    EXPECT_EQ("", ReadWholeFile(ledger).value_or("<none>"));
}

}  // namespace
}  // namespace kagiroi::test
