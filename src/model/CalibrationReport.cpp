#include "model/CalibrationReport.h"

#include "model/MarketWinChances.h"
#include "model/ModelFit.h"
#include "model/OrderChances.h"
#include "platform/Format.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace kagiroi {

namespace {

// The score of the log-likelihood `logLikelihood(race)` gives each race; a race it gives no
// finite value (a finisher without a chance) is not counted.
template <class LogLikelihood>
ModelScore ScoreWith(const std::vector<CalibrationRace>& races, LogLikelihood logLikelihood) {
    double total = 0, uniform = 0;
    ModelScore score;
    for (const CalibrationRace& race : races) {
        double ll = logLikelihood(race);
        if (!std::isfinite(ll)) continue;
        total += ll;
        uniform += UniformLogLikelihood(race);
        ++score.races;
    }
    if (score.races == 0) return score;
    score.meanLogLikelihood = total / score.races;
    score.pseudoR2 = uniform < 0 ? 1 - total / uniform : 0;
    return score;
}

}  // namespace

const std::vector<double>& ReliabilityEdges() {
    // Most trios are long shots: the bins are narrow where most of them lie.
    static const std::vector<double> edges = {0.0,  0.002, 0.005, 0.01, 0.02, 0.03,
                                              0.05, 0.08,  0.12,  0.2,  1.0};
    return edges;
}

ModelScore ScoreOf(const std::vector<CalibrationRace>& races, const ModelParameters& parameters) {
    return ScoreWith(
        races, [&](const CalibrationRace& race) { return OrderLogLikelihood(race, parameters); });
}

ModelScore PopularityScore(const std::vector<CalibrationRace>& races) {
    return ScoreWith(races, [](const CalibrationRace& race) {
        const auto& f = race.firstThree;
        return std::log(OrderChances(race.popularityWin, {}).FirstThree(f[0], f[1], f[2]));
    });
}

std::vector<ReliabilityBin> TrioReliability(const std::vector<CalibrationRace>& races,
                                            const ModelParameters& parameters) {
    const std::vector<double>& edges = ReliabilityEdges();
    std::vector<ReliabilityBin> bins(edges.size() - 1);
    std::vector<double> predictedSum(bins.size(), 0.0);
    std::vector<int64_t> hits(bins.size(), 0);
    for (const CalibrationRace& race : races) {
        std::vector<double> win = MarketWinChances(race.winOdds, parameters.alpha);
        OrderChances chances(win, parameters);
        int n = static_cast<int>(win.size()) - 1;
        std::array<int, 3> paid = race.firstThree;
        std::sort(paid.begin(), paid.end());
        for (int a = 1; a <= n; ++a)
            for (int b = a + 1; b <= n; ++b)
                for (int c = b + 1; c <= n; ++c) {
                    if (!(win[static_cast<size_t>(a)] > 0 && win[static_cast<size_t>(b)] > 0 &&
                          win[static_cast<size_t>(c)] > 0))
                        continue;
                    double p = chances.Trio(a, b, c);
                    size_t k = static_cast<size_t>(
                        std::upper_bound(edges.begin() + 1, edges.end() - 1, p) - edges.begin() -
                        1);
                    predictedSum[k] += p;
                    ++bins[k].count;
                    if (paid == std::array<int, 3>{a, b, c}) ++hits[k];
                }
    }
    for (size_t k = 0; k < bins.size(); ++k) {
        bins[k].low = edges[k];
        bins[k].high = edges[k + 1];
        if (bins[k].count == 0) continue;
        bins[k].meanPredicted = predictedSum[k] / static_cast<double>(bins[k].count);
        bins[k].observed = static_cast<double>(hits[k]) / static_cast<double>(bins[k].count);
    }
    return bins;
}

CalibrationReport Calibrate(const std::vector<CalibrationRace>& races,
                            const CalibrationLeftOut& leftOut) {
    CalibrationReport report;
    report.usable = static_cast<int>(races.size());
    report.leftOut = leftOut;
    if (report.usable < kCalibrationMinRaces) return report;
    ModelParameters fitted = FitModelParameters(races);
    report.fitted = fitted;
    report.popularity = PopularityScore(races);
    report.market = ScoreOf(races, {});
    report.fittedScore = ScoreOf(races, fitted);
    report.reliability = TrioReliability(races, fitted);
    return report;
}

std::vector<std::vector<std::string>> CalibrationRaceRows(const CalibrationReport& report) {
    const CalibrationLeftOut& out = report.leftOut;
    return {{"レース", "数"},
            {"使用", Format("%d", report.usable)},
            {"除外（オッズのある馬が5頭未満）", Format("%d", out.fewPriced)},
            {"除外（3着までの同着）", Format("%d", out.deadHeat)},
            {"除外（結果なし）", Format("%d", out.noResult)}};
}

std::vector<std::vector<std::string>> CalibrationModelRows(const CalibrationReport& report) {
    std::vector<std::vector<std::string>> rows = {
        {"モデル", "レース数", "平均対数尤度", "疑似R2", "α", "λ", "τ"}};
    auto row = [](const char* name, const ModelScore& s, const ModelParameters* p) {
        std::vector<std::string> cells = {name, Format("%d", s.races),
                                          Format("%.4f", s.meanLogLikelihood),
                                          Format("%.4f", s.pseudoR2)};
        for (double v : {p ? p->alpha : 0, p ? p->lambda : 0, p ? p->tau : 0})
            cells.push_back(p ? Format("%.3f", v) : "");
        return cells;
    };
    const ModelParameters plain;
    rows.push_back(row("人気別率", report.popularity, nullptr));
    rows.push_back(row("オッズ（ハーヴィル）", report.market, &plain));
    if (report.fitted) rows.push_back(row("当てはめ", report.fittedScore, &*report.fitted));
    return rows;
}

std::vector<std::vector<std::string>> ReliabilityRows(const CalibrationReport& report) {
    std::vector<std::vector<std::string>> rows = {{"予測確率", "平均予測", "的中頻度", "点数"}};
    for (const ReliabilityBin& bin : report.reliability)
        rows.push_back({Format("%.3f-%.3f", bin.low, bin.high), Format("%.5f", bin.meanPredicted),
                        Format("%.5f", bin.observed),
                        Format("%lld", static_cast<long long>(bin.count))});
    return rows;
}

std::string TooFewRacesText(int usable) {
    return Format(
        "当てはめに使えるレースが%dしかありません（%d以上必要です）。当てはめは行いません", usable,
        kCalibrationMinRaces);
}

std::string SaveFitQuestion(const ModelParameters& fitted, const ModelParameters& current) {
    // Two decimals, as the settings keep them.
    return Format(
        "当てはめた値 α %.2f、λ %.2f、τ %.2f を的中率のモデルの設定にしますか？\n"
        "（今の設定: α %.2f、λ %.2f、τ %.2f）",
        fitted.alpha, fitted.lambda, fitted.tau, current.alpha, current.lambda, current.tau);
}

}  // namespace kagiroi
