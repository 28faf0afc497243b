#include "records/CalibrationRaces.h"

#include "daystore/RecordFields.h"
#include "daystore/RecordLayout.h"
#include "platform/Format.h"
#include "platform/TextField.h"
#include "selection/TestRace.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

std::string Runner(int horse, int placing) {
    std::string record(kSeLength, ' ');
    PutField(record, SE::Horse.pos, SE::Horse.len, Format("%02d", horse));
    if (placing > 0) PutField(record, SE::Placing.pos, SE::Placing.len, Format("%02d", placing));
    return record;
}

struct Case {
    const char* what;
    int priced;                 // horses 1..priced have win odds
    std::vector<int> placings;  // by horse from 1; 0 none
    std::vector<std::array<int, 3>> paidTrifectas;
    CalibrationUse use;
    std::array<int, 3> firstThree;
};

TEST(CalibrationRaces, EachStoredRaceIsTakenOrCountedForItsReason) {
    const Case cases[] = {
        {"placings of the runners", 8, {3, 0, 1, 0, 2}, {}, CalibrationUse::Usable, {3, 5, 1}},
        {"the runners before the payouts",
         8,
         {3, 0, 1, 0, 2},
         {{1, 2, 3}},
         CalibrationUse::Usable,
         {3, 5, 1}},
        {"the paid trifecta", 8, {}, {{4, 7, 2}}, CalibrationUse::Usable, {4, 7, 2}},
        {"a dead heat for first", 8, {1, 1, 3}, {}, CalibrationUse::DeadHeat, {}},
        {"a dead heat for third", 8, {1, 2, 3, 3}, {}, CalibrationUse::DeadHeat, {}},
        {"two paid trifectas", 8, {}, {{1, 2, 3}, {2, 1, 3}}, CalibrationUse::DeadHeat, {}},
        {"no result", 8, {}, {}, CalibrationUse::NoResult, {}},
        {"placings without a third", 8, {1, 2}, {}, CalibrationUse::NoResult, {}},
        {"four runners priced", 4, {1, 2, 3}, {}, CalibrationUse::FewPriced, {}},
        {"a finisher without a price", 6, {0, 0, 0, 0, 1, 2, 3}, {}, CalibrationUse::FewPriced, {}},
    };
    PopularityRateTables rates;
    for (const Case& c : cases) {
        test::TestRace built(10);
        for (int h = 1; h <= c.priced; ++h)
            built.Win(h, 2.0 + h, h);
        RaceSlot& slot = built.Slot();
        for (size_t i = 0; i < c.placings.size(); ++i) {
            int horse = static_cast<int>(i) + 1;
            slot.RunnerInfo[static_cast<size_t>(horse)] = Runner(horse, c.placings[i]);
        }
        for (size_t k = 0; k < c.paidTrifectas.size(); ++k) {
            const auto& t = c.paidTrifectas[k];
            built.PaidTrifecta(static_cast<int>(k), t[0], t[1], t[2], 12340, 5);
        }
        CalibrationRace race;
        EXPECT_EQ(c.use, ReadCalibrationRace(slot, rates, race)) << c.what;
        if (c.use != CalibrationUse::Usable) continue;
        EXPECT_EQ(c.firstThree, race.firstThree) << c.what;
        EXPECT_EQ(c.priced, PricedRunners(race)) << c.what;
    }
}

}  // namespace
}  // namespace kagiroi
