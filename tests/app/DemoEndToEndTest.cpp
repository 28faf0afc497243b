#include "app/DemoFixture.h"
#include "daystore/RaceDay.h"
#include "daystore/RecordLayout.h"
#include "platform/FileSystem.h"
#include "platform/Format.h"
#include "platform/Sjis.h"
#include "platform/TextField.h"
#include "stakes/PluginCsv.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace kagiroi {
namespace {

// A Wednesday after the race days of 2024-01-06 and 07.
const DateTime kMidweek{2024, 1, 10, 12, 0, 0};

TEST(DemoEndToEnd, ASecondDownloadThroughTheDialogFindsNothingNew) {
    test::DemoFixture demo(kMidweek);
    DownloadSummary first = demo.Download(false);
    EXPECT_TRUE(first.completed);
    EXPECT_GT(first.recordsStored, 1000);
    EXPECT_FALSE(first.newLastTime.empty());
    EXPECT_EQ(first.newLastTime, demo.settings.ReadString("JvDataGet", "LastTime", ""));
    EXPECT_NE(demo.Form().DayList().DateList.end(),
              std::find(demo.Form().DayList().DateList.begin(),
                        demo.Form().DayList().DateList.end(), "2024年01月06日"));

    DownloadSummary second = demo.Download(false);
    EXPECT_TRUE(second.nothingNew);
    EXPECT_EQ(0, second.recordsStored);
    EXPECT_TEXT_EQ("最新のデータがありません。", demo.ui.Messages().back());
}

TEST(DemoEndToEnd, WinRanksEqualThePopularityTheServiceGave) {
    test::DemoFixture demo(kMidweek);
    demo.Download(true);
    demo.LoadDay("20240106");
    int compared = 0;
    for (const RaceSlot& slot : demo.Form().Book().slots) {
        if (slot.IsEmpty() || IsBlank(FieldAt(slot.O1Copy, RaceHead::RaceNumber))) continue;
        const OddsBook& odds = slot.Odds;
        for (int h = 1; h <= kMaxRunners; ++h) {
            if (odds.WinOdds[static_cast<size_t>(h)] <= 0) continue;
            bool unique = true;
            for (int g = 1; g <= kMaxRunners; ++g)
                unique = unique && (g == h || odds.WinOdds[static_cast<size_t>(g)] !=
                                                  odds.WinOdds[static_cast<size_t>(h)]);
            if (!unique) continue;
            int servicePopularity = ToInt(Field(slot.O1Copy, 50 + 8 * (h - 1), 2));
            EXPECT_EQ(servicePopularity, odds.WinRank[static_cast<size_t>(h)])
                << RaceListText(slot) << " horse " << h;
            ++compared;
        }
    }
    EXPECT_GT(compared, 200);
}

// Selects the first race of the loaded day whose trio table has at least `tickets` tickets.
int SelectRaceWithNet(TMainForm& form, int tickets) {
    for (int item = 0; item < static_cast<int>(form.DayList().RaceList.size()); ++item) {
        form.Race().DatListClick(item);
        if (form.Bets().Table(BetType::Trio).RowCount() - 1 >= tickets) return item;
    }
    return -1;
}

TEST(DemoEndToEnd, FromDownloadToTheVotingPluginsFile) {
    test::DemoFixture demo(kMidweek);
    demo.Download(true);
    demo.LoadDay("20240106");
    TMainForm& form = demo.Form();
    int item = SelectRaceWithNet(form, 6);
    ASSERT_GE(item, 0);

    form.Race().SaNumEditExC1Change("5000");
    form.Race().RadioGroup1Click(0);
    EXPECT_EQ(0, demo.settings.ReadInteger("KaimeSet", "HaibunSet", 1));
    form.Race().TicketTableClick(BetType::Trio, 0, 2);  // strikes ticket 2

    const TextGrid& table = form.Bets().Table(BetType::Trio);
    int tickets = table.RowCount() - 1;
    EXPECT_TEXT_EQ("消", table.Cell(0, 2));
    EXPECT_EQ("", Trim(table.Cell(6, 2)));
    // 均等: every unstruck ticket the same stake, trunc(5000 / n / 100 + 0.9) × 100.
    int stake = static_cast<int>(std::trunc(5000.0 / (tickets - 1) / 100 + 0.9)) * 100;
    for (int r = 1; r <= tickets; ++r) {
        if (r == 2) continue;
        EXPECT_EQ(stake, ToInt(table.Cell(6, r))) << "row " << r;
    }
    EXPECT_EQ(Format("%6d", stake * (tickets - 1)), form.Bets().Totals(BetType::Trio).stake.text);
    EXPECT_EQ("5000", form.Book()[item].RaceAmount);

    std::string plugin = demo.Path("plugin");
    MakeDirectories(plugin + "/kaime");
    demo.settings.WriteString("Dir", "HibariTohyo2", plugin);
    form.Race().PageControl2Change(TicketTab::Trio);
    EXPECT_EQ(VoteOutcome::Started, form.Race().TohyoCSVBtnClick());

    std::string raceInfo = form.Book()[item].RaceInfo;
    auto csv = ReadWholeFile(PluginCsvPath(plugin, raceInfo).value());
    ASSERT_TRUE(csv.has_value());
    std::string expected;
    for (int r = 1; r <= tickets; ++r)
        if (r != 2)
            expected +=
                PluginCsvLine(raceInfo, BetType::Trio, Trim(table.Cell(6, r)), table.Cell(2, r));
    EXPECT_EQ(expected, *csv);
    EXPECT_EQ(0u, csv->find(Field(raceInfo, 12, 8) + "," + Field(raceInfo, 20, 2) + ","));
    ASSERT_EQ(1u, demo.shell.started.size());
    EXPECT_EQ(PluginProgramPath(plugin), demo.shell.started[0].program);
    EXPECT_EQ(std::vector<std::string>{PluginCsvPath(plugin, raceInfo).value()},
              demo.shell.started[0].parameters);
    EXPECT_EQ(plugin, demo.shell.started[0].workingFolder);
}

std::string Hhmm(const DateTime& t) {
    return FormatDateTime(t, "hhnn");
}

TEST(DemoEndToEnd, TheTimersFetchEveryRacesOddsInItsMinutesAndEveryPayout) {
    const DateTime start{2024, 1, 6, 8, 30, 0};
    test::DemoFixture demo(start);
    demo.Download(false);
    demo.LoadDay("20240106");
    TMainForm& form = demo.Form();
    ASSERT_TRUE(form.Timers().AutoOddsTimer.enabled);
    ASSERT_TRUE(form.Timers().ResultsTimer.enabled);
    ASSERT_TRUE(form.Timers().ChangeTimer.enabled);

    // The window's timers, tick by tick, from 09:00 to 17:00.
    int64_t first = ToSerialSeconds({2024, 1, 6, 9, 0, 0});
    int64_t last = ToSerialSeconds({2024, 1, 6, 17, 0, 0});
    for (int64_t t = first; t <= last; t += 20) {
        demo.clock.Set(FromSerialSeconds(t));
        int64_t elapsed = t - first;
        if (elapsed % (form.Timers().AutoOddsTimer.intervalMs / 1000) == 0)
            form.Fetches().AutoOddsTimerTick();
        if (elapsed % (form.Timers().ResultsTimer.intervalMs / 1000) == 0)
            form.Fetches().ResultsTimerTick();
        if (elapsed % (form.Timers().ChangeTimer.intervalMs / 1000) == 0)
            form.Fetches().ChangeTimerTick();
    }

    std::set<std::string> fetchedAt;  // "key hhmm" of every odds request
    for (const auto& call : demo.recording->calls)
        if (call.what.rfind("JVRTOpen:0B30:", 0) == 0)
            fetchedAt.insert(call.what.substr(14) + " " + Hhmm(call.at));
    int races = 0;
    for (const RaceSlot& slot : form.Book().slots) {
        if (slot.IsEmpty()) continue;
        ++races;
        std::string key = FieldAt(slot.RaceInfo, RaceHead::RaceKey);
        bool inItsMinutes = fetchedAt.count(key + " " + slot.FetchTimes[0]) ||
                            fetchedAt.count(key + " " + slot.FetchTimes[1]);
        EXPECT_TRUE(inItsMinutes) << RaceListText(slot) << " first fetch " << slot.FetchTimes[0];
        EXPECT_FALSE(IsBlank(slot.HrCopy)) << RaceListText(slot) << " has no payouts";
        EXPECT_GT(slot.Paid.At(BetType::Win, 0).horse, 0) << RaceListText(slot);
        EXPECT_GT(NumberAt(slot.O1Copy, RaceHead::RaceNumber), 0) << RaceListText(slot);
    }
    EXPECT_GE(races, 24);
    EXPECT_EQ(std::string::npos, demo.ErrorLogText().find("【エラー】"))
        << SjisToUtf8(demo.ErrorLogText());
}

}  // namespace
}  // namespace kagiroi
