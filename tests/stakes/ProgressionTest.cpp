#include "stakes/Progression.h"

#include "app/DemoFixture.h"
#include "app/MainFormFixture.h"
#include "platform/Format.h"
#include "platform/TextField.h"
#include "selection/BetColumns.h"
#include "stakes/RaceAmounts.h"
#include "stakes/TKaimeSetForm.h"
#include "support/MainFormProbe.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

TEST(Progression, AmountInWhole100YenUnitsAndRefusedAtOrBelow100) {
    const struct {
        int64_t loss, target;
        double rate;
        int increase;
        std::optional<int> amount;
    } cases[] = {
        {5000, 10000, 250.0, 100, 10000},        {5000, 10000, 250.0, 120, 12000},
        {0, 10000, 163.7, 100, 15600},         // 15698.6 → 15698 → 15600
        {900000, 900000, 100.5, 100, 999900},  // held to the amount box
        {-20000, 10000, 150.0, 100, 0},        // a profit beyond the target stakes nothing
        {5000, 10000, 100.0, 100, std::nullopt}, {5000, 10000, 10.0, 100, std::nullopt},
        {5000, 10000, 9.9, 100, std::nullopt},   {5000, 10000, 0.0, 100, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.amount, ProgressionAmount(c.loss, c.target, c.rate, c.increase)) << c.rate;
}

TEST(Progression, TheRateIsTheWideTablesElseTheShownTicketTables) {
    BetBoard board;
    board.Totals(BetType::Trio).rate.text = "  163.7";
    board.Totals(BetType::Trifecta).rate.text = "  250.0";
    board.Totals(BetType::Wide).rate.text = "  120.0";
    EXPECT_DOUBLE_EQ(163.7, ProgressionRate(board, TicketTab::Trio));
    EXPECT_DOUBLE_EQ(250.0, ProgressionRate(board, TicketTab::Trifecta));
    board.Table(BetType::Wide).SetCell(ColumnsOf(BetType::Wide).combination, 1, " 1- 2");
    EXPECT_DOUBLE_EQ(120.0, ProgressionRate(board, TicketTab::Trio));
}

TEST(KaimeSetForm, ValuesBelow100AreRaisedOnOk) {
    test::TempFolder folder;
    SettingsFile settings(folder / "kagiroi.ini");
    TKaimeSetForm form(settings, false);
    EXPECT_EQ(3000, form.DefaultAmount);
    EXPECT_EQ(100, form.DefaultZogaku);
    EXPECT_EQ(10000, form.DefaultTarProfit);
    EXPECT_EQ(25, form.KellyPercent);  // a quarter of the full Kelly stake
    EXPECT_EQ(100000, form.Bankroll);
    form.KellyPercent = 0;  // no Kelly stake at all is no ケリー: the least is 1
    form.Bankroll = 123456789;
    form.DefaultAmount = 50;
    form.DefaultZogaku = 0;
    form.DefaultTarProfit = 12000;
    form.OkClick();
    EXPECT_EQ(100, form.DefaultAmount);
    EXPECT_EQ(100, settings.ReadInteger("KaimeSet", "DefaultAmount", 0));
    EXPECT_EQ(100, settings.ReadInteger("KaimeSet", "DefaultZogaku", 0));
    EXPECT_EQ(12000, settings.ReadInteger("KaimeSet", "DefaultTarProfit", 0));
    EXPECT_EQ(1, settings.ReadInteger("KaimeSet", "KellyPercent", 0));
    EXPECT_EQ(99999999, settings.ReadInteger("KaimeSet", "Bankroll", 0));
}

TEST(ProgressionOnTheMainForm, NoRateShownIsRefusedAndTheAmountStays) {
    test::MainFormFixture f;
    TMainForm& form = f.Started();
    form.Investment().ApplyProgression();
    EXPECT_EQ((std::vector<std::string>{ProgressionRefusal()}), f.ui.Messages());
    EXPECT_EQ("", form.Betting().SaNumEditExC1);
}

// On the main window: the ledger's loss reaches the loss box, 追い上げ sets the amount from the
// shown table's rate, the dialog writes only on OK.
TEST(ProgressionOnTheMainForm, LedgerLossAndTargetGiveTheAmount) {
    test::DemoFixture demo({2024, 1, 10, 12, 0, 0});
    demo.Download(true);
    TMainForm& form = demo.Form();
    demo.LoadDay("20240106");
    int race = -1;
    for (int item = 0; item < static_cast<int>(form.DayList().RaceList.size()) && race < 0;
         ++item) {
        form.Race().DatListClick(item);
        if (ToDouble(form.Bets().Totals(BetType::Trio).rate.text) > 100) race = item;
    }
    ASSERT_GE(race, 0);
    EXPECT_EQ("0", form.Investment().Progression().SaNumEditExC3);
    EXPECT_EQ("10000", form.Investment().Progression().SaNumEditExC2);

    form.Investment().LossRegForm().ListBox1 = race;
    form.Investment().LossRegForm().Edit1 = "5000";
    form.Investment().LossRegForm().RecordLoss();
    EXPECT_EQ("5000", form.Investment().Progression().SaNumEditExC3);

    // Closed without OK: nothing is written.
    form.Investment().OpenInvestmentSettings([](TKaimeSetForm& dialog) {
        dialog.DefaultTarProfit = 20000;
        return false;
    });
    EXPECT_EQ(-1, demo.settings.ReadInteger("KaimeSet", "DefaultTarProfit", -1));
    form.Investment().OpenInvestmentSettings([](TKaimeSetForm& dialog) {
        dialog.DefaultTarProfit = 20000;
        return true;
    });
    EXPECT_EQ("20000",
              form.Investment().Progression().SaNumEditExC2);  // the race was selected again

    double rate = ToDouble(form.Bets().Totals(BetType::Trio).rate.text);
    form.Investment().ApplyProgression();
    std::string expected = Format("%d", *ProgressionAmount(5000, 20000, rate, 100));
    EXPECT_EQ(expected, form.Betting().SaNumEditExC1);
    EXPECT_EQ(expected, form.Book()[race].RaceAmount);

    // A change of a progression box acts as a change of the amount.
    form.Race().SaNumEditExC1Change("3000");
    StoreRaceAmount(MainFormProbe::Book(form)[race], 0);
    form.Investment().SaNumEditExC2Change("15000");
    EXPECT_EQ("3000", form.Book()[race].RaceAmount);
}

}  // namespace
}  // namespace kagiroi
