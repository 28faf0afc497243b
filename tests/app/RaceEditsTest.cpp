#include "app/DemoFixture.h"
#include "selection/MarkGrid.h"
#include "selection/NetExtraction.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

// What the analysis page shows of the race on screen: marks, both nets with strikes, order and
// stakes, and the amount.
struct Shown {
    std::vector<int> axis, partners;
    std::vector<std::vector<std::string>> trio, trifecta;
    std::string amount;
    friend bool operator==(const Shown&, const Shown&) = default;
};

std::vector<std::vector<std::string>> Rows(const TextGrid& table) {
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < table.RowCount(); ++r) {
        rows.emplace_back();
        for (int c = 0; c < table.ColCount(); ++c)
            rows.back().push_back(table.Cell(c, r));
    }
    return rows;
}

Shown ShownOf(const TMainForm& form) {
    const TextGrid& marks = form.RaceCard().StringGrid7;
    return {MarkedHorses(marks, markcol::kAxis, marks.RowCount() - 1),
            MarkedHorses(marks, markcol::kPartner, marks.RowCount() - 1),
            Rows(form.Bets().Table(BetType::Trio)), Rows(form.Bets().Table(BetType::Trifecta)),
            form.Betting().SaNumEditExC1};
}

TEST(RaceEdits, ARaceShowsItsEditsAgainUntilItsAutomaticMarksAreAskedFor) {
    test::DemoFixture demo({2024, 1, 10, 12, 0, 0});
    demo.Download(true);
    demo.LoadDay("20240106");
    TMainForm& form = demo.Form();
    RaceDesk& desk = form.Race();
    desk.DatListClick(0);
    const Shown automatic = ShownOf(form);
    ASSERT_GE(automatic.partners.size(), 3u);
    ASSERT_GT(automatic.trio.size(), 3u);

    desk.StringGrid7MouseDown(markcol::kPartner, automatic.partners.front());  // a partner off
    desk.TicketTableClick(BetType::Trio, 0, 2);                                // a strike
    desk.TicketHeaderPress(BetType::Trio, 3, 0);                               // sorted by odds
    desk.SaNumEditExC1Change("5000");
    const Shown edited = ShownOf(form);
    ASSERT_NE(automatic.partners, edited.partners);

    desk.DatListClick(1);
    EXPECT_NE(edited, ShownOf(form));
    desk.DatListClick(0);
    EXPECT_EQ(edited, ShownOf(form));
    // New data for the race (as after a fetch) make the net again from the edits.
    form.Fetches().OzReadBtnClick(0);
    desk.ShowSelectedRaceAgain();
    EXPECT_EQ(edited, ShownOf(form));

    // The amount typed is the race's own, apart from the marks.
    desk.SaNumEditExC1Change(automatic.amount);
    desk.AutoMarkAgainClick();
    EXPECT_EQ(automatic, ShownOf(form));

    // A new load of the day forgets every race's edits.
    desk.StringGrid7MouseDown(markcol::kPartner, automatic.partners.front());
    demo.LoadDay("20240106");
    desk.DatListClick(0);
    EXPECT_EQ(automatic, ShownOf(form));
}

}  // namespace
}  // namespace kagiroi
