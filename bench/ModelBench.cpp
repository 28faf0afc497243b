// The chances model:
//   BM_RaceChancesAndValues  the chances and expected values (chance × odds) of every trio
//                            (816) and trifecta (4896) of an 18-runner race, from its win odds
//                            with the model's powers; one iteration is one race.
//   BM_CalibrationYear       a setup download of a year of demo data with final odds (not
//                            timed), then the fit of α, λ, τ over every stored day, reading the
//                            days on two jobs; counters: days, races used, the fitted powers.

#include "app/TMainForm.h"
#include "datalink/TGetDataForm.h"
#include "daystore/DayFiles.h"
#include "daystore/DayStore.h"
#include "demo/DemoJvLink.h"
#include "platform/Clock.h"
#include "platform/ErrorLog.h"
#include "platform/FileSystem.h"
#include "platform/SettingsFile.h"
#include "racing/KeibaFunc.h"
#include "stakes/TicketChances.h"
#include "support/FakeJvLink.h"
#include "support/FakePorts.h"
#include "support/TempFolder.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <stdexcept>

namespace kagiroi {
namespace {

// An 18-runner race priced as a market would price it: win odds spread from the favourite to a
// long shot, every trio and trifecta at the Harville odds of a 25 % take.
struct PricedRace {
    std::unique_ptr<RaceSlot> slot = std::make_unique<RaceSlot>();
    PricedRace() {
        for (int h = 1; h <= kMaxRunners; ++h)
            slot->Odds.WinOdds[static_cast<size_t>(h)] = std::round(20 * std::pow(1.25, h)) / 10;
        OrderChances market = RaceChances(*slot, {});
        for (int i = 1; i <= kTrioCount; ++i) {
            std::string text = TrioByIndex(i);
            double p = TicketChance(BetType::Trio, text, market);
            slot->Odds.TrioOdds[static_cast<size_t>(i)] = p > 0 ? 0.75 / p : 0;
        }
        for (int i = 1; i <= kTrifectaCount; ++i) {
            std::string text = TrifectaByIndex(i);
            double p = TicketChance(BetType::Trifecta, text, market);
            slot->Odds.TrifectaOdds[static_cast<size_t>(i)] = p > 0 ? 0.725 / p : 0;
        }
    }
};

void BM_RaceChancesAndValues(benchmark::State& state) {
    static PricedRace race;
    static std::vector<std::array<int, 3>> trios, trifectas;
    if (trios.empty()) {
        for (int a = 1; a <= kMaxRunners; ++a)
            for (int b = 1; b <= kMaxRunners; ++b)
                for (int c = 1; c <= kMaxRunners; ++c) {
                    if (a == b || a == c || b == c) continue;
                    trifectas.push_back({a, b, c});
                    if (a < b && b < c) trios.push_back({a, b, c});
                }
    }
    const ModelParameters model{1.2, 0.85, 0.7};
    std::vector<double> values(trios.size() + trifectas.size());
    for (auto _ : state) {
        OrderChances chances = RaceChances(*race.slot, model);
        size_t k = 0;
        // Trios and trifectas are listed in the order of their combination index.
        for (size_t i = 0; i < trios.size(); ++i, ++k) {
            const auto& t = trios[i];
            values[k] = chances.Trio(t[0], t[1], t[2]) * race.slot->Odds.TrioOdds[i + 1];
        }
        for (size_t i = 0; i < trifectas.size(); ++i, ++k) {
            const auto& t = trifectas[i];
            values[k] = chances.FirstThree(t[0], t[1], t[2]) * race.slot->Odds.TrifectaOdds[i + 1];
        }
        benchmark::DoNotOptimize(values.data());
    }
    state.counters["tickets"] = static_cast<double>(values.size());
    if (values.size() != kTrioCount + kTrifectaCount) state.SkipWithError("not 816 + 4896");
}
BENCHMARK(BM_RaceChancesAndValues)->Unit(benchmark::kMicrosecond);

// A year of demo data downloaded with final odds into a program folder.
struct DemoYear {
    test::TempFolder folder;
    test::FakeUi ui;
    test::FakeClock clock{{2024, 12, 31, 23, 0, 0}};
    test::FakeClipboard clipboard;
    test::FakeShell shell;
    test::FakeRegistry registry;
    test::FakeJvLink jvLink;
    std::unique_ptr<TMainForm> form;

    DemoYear() {
        MakeDirectories(DataFolder(folder.Path()));
        {
            DemoJvLink demo(clock);
            demo.JVInit("KAGIROI");
            SettingsFile settings(JoinPath(folder.Path(), "kagiroi.ini"));
            ErrorLog log(JoinPath(folder.Path(), "ErrorLog.txt"), clock);
            bool cancelFlag = false;
            DayStore store(folder.Path());
            TGetDataForm download(demo, store, settings, log, ui, clock, cancelFlag);
            download.FormCreate();
            download.StartDate = AddDays(clock.Now(), -365);
            download.DataChoice = 1;
            download.FinalOdds = true;
            download.StartClick();
            while (download.Running() && download.StatusTimerEnabled)
                download.StatusTimerTick();
        }
        form = std::make_unique<TMainForm>(
            folder.Path(), MainFormPorts{ui, clock, clipboard, shell, registry}, jvLink);
        std::string error;
        if (!form->FormCreate(&error)) throw std::runtime_error(error);
    }
};

void BM_CalibrationYear(benchmark::State& state) {
    static DemoYear year;
    CalibrationReport report;
    size_t days = year.form->Replays().StoredDaysBetween("20240101", "20241231").size();
    for (auto _ : state)
        report = year.form->Replays().Calibrate("20240101", "20241231", 2);
    state.counters["days"] = static_cast<double>(days);
    state.counters["races"] = report.usable;
    if (!report.fitted) {
        state.SkipWithError("too few races to fit");
        return;
    }
    state.counters["alpha"] = report.fitted->alpha;
    state.counters["lambda"] = report.fitted->lambda;
    state.counters["tau"] = report.fitted->tau;
}
BENCHMARK(BM_CalibrationYear)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace
}  // namespace kagiroi
