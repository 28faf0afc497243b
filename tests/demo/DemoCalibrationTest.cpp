#include "demo/DemoWorld.h"
#include "model/CalibrationReport.h"
#include "model/ModelFit.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kagiroi {
namespace {

// The demo's races of some weeks as the fit reads stored days: final win odds and the first
// three, dead heats for the places and small fields left out.
std::vector<CalibrationRace> DemoRaces(const DateTime& first, const DateTime& last) {
    DemoWorld world(last);
    std::vector<CalibrationRace> races;
    for (const DateTime& date : world.Calendar().RaceDays(first, last)) {
        const DemoDay* day = world.Day(date);
        for (const DemoRace* race : day->Races()) {
            if (race->result.deadHeatPlace >= 1 && race->result.deadHeatPlace <= 3) continue;
            const DemoOddsBook& odds = world.FinalOdds(*race);
            CalibrationRace taken;
            taken.winOdds.assign(kDemoHorseSlots, 0.0);
            for (int h = 1; h < kDemoHorseSlots; ++h) {
                const DemoOdds& win = odds.win[static_cast<size_t>(h)];
                if (win.state == DemoOddsState::Price)
                    taken.winOdds[static_cast<size_t>(h)] = static_cast<double>(win.tenths) / 10;
            }
            for (size_t k = 0; k < 3; ++k)
                taken.firstThree[k] = race->result.order[k];
            if (PricedRunners(taken) >= kCalibrationMinPriced) races.push_back(taken);
        }
    }
    return races;
}

// The demo runs its races with powers of its own; the fit on its final odds finds them within
// 0.1 over twenty weeks of races.
TEST(DemoCalibration, TheFitRecoversTheDemosPowers) {
    std::vector<CalibrationRace> races = DemoRaces({2024, 1, 1, 0, 0, 0}, {2024, 5, 19, 0, 0, 0});
    ASSERT_GE(races.size(), 1000u);
    ModelParameters fitted = FitModelParameters(races);
    EXPECT_NEAR(kDemoTrueAlpha, fitted.alpha, 0.1);
    EXPECT_NEAR(kDemoTrueLambda, fitted.lambda, 0.1);
    EXPECT_NEAR(kDemoTrueTau, fitted.tau, 0.1);
    // The plain rule is the fit's special case: the fit can only do better on the same races.
    OrderLikelihood likelihood(races);
    EXPECT_GE(likelihood.Total(fitted), likelihood.Total({}));
    // And both ways of taking the likelihood agree.
    double summed = 0;
    for (const CalibrationRace& race : races)
        summed += OrderLogLikelihood(race, fitted);
    EXPECT_NEAR(summed, likelihood.Total(fitted), 1e-6 * std::fabs(summed));
}

}  // namespace
}  // namespace kagiroi
