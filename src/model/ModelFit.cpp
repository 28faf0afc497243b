#include "model/ModelFit.h"

#include "model/MarketWinChances.h"
#include "model/OrderChances.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace kagiroi {

int PricedRunners(const CalibrationRace& race) {
    int count = 0;
    for (size_t h = 1; h < race.winOdds.size(); ++h)
        if (IsPriced(race.winOdds[h])) ++count;
    return count;
}

double OrderLogLikelihood(const CalibrationRace& race, const ModelParameters& parameters) {
    OrderChances chances(MarketWinChances(race.winOdds, parameters.alpha), parameters);
    double p = chances.FirstThree(race.firstThree[0], race.firstThree[1], race.firstThree[2]);
    return p > 0 ? std::log(p) : -std::numeric_limits<double>::infinity();
}

double UniformLogLikelihood(const CalibrationRace& race) {
    double n = PricedRunners(race);
    return -std::log(n * (n - 1) * (n - 2));
}

OrderLikelihood::OrderLikelihood(const std::vector<CalibrationRace>& races) {
    for (const CalibrationRace& race : races) {
        Race taken{{}, -1, -1, -1};
        double inverseSum = 0;
        for (size_t h = 1; h < race.winOdds.size(); ++h)
            if (IsPriced(race.winOdds[h])) inverseSum += 1 / race.winOdds[h];
        for (size_t h = 1; h < race.winOdds.size(); ++h) {
            if (!IsPriced(race.winOdds[h])) continue;
            for (int k = 0; k < 3; ++k)
                if (race.firstThree[static_cast<size_t>(k)] == static_cast<int>(h))
                    (k == 0   ? taken.first
                     : k == 1 ? taken.second
                              : taken.third) = static_cast<int>(taken.logShare.size());
            taken.logShare.push_back(std::log(1 / race.winOdds[h] / inverseSum));
        }
        // A finisher without a price has no chance under any powers: such a race is left out.
        if (taken.first >= 0 && taken.second >= 0 && taken.third >= 0)
            races_.push_back(std::move(taken));
    }
}

double OrderLikelihood::Total(const ModelParameters& parameters) const {
    double total = 0;
    std::vector<double> logWin;
    for (const Race& race : races_) {
        logWin.resize(race.logShare.size());
        double top = *std::max_element(race.logShare.begin(), race.logShare.end());
        double sum = 0;
        for (double l : race.logShare)
            sum += std::exp(parameters.alpha * (l - top));
        for (size_t i = 0; i < logWin.size(); ++i)
            logWin[i] = parameters.alpha * (race.logShare[i] - top) - std::log(sum);
        double second = 0, third = 0;
        for (size_t i = 0; i < logWin.size(); ++i) {
            int place = static_cast<int>(i);
            if (place != race.first) second += std::exp(parameters.lambda * logWin[i]);
            if (place != race.first && place != race.second)
                third += std::exp(parameters.tau * logWin[i]);
        }
        total += logWin[static_cast<size_t>(race.first)] +
                 parameters.lambda * logWin[static_cast<size_t>(race.second)] - std::log(second) +
                 parameters.tau * logWin[static_cast<size_t>(race.third)] - std::log(third);
    }
    return total;
}

namespace {

using Point = std::array<double, 3>;

ModelParameters AsParameters(const Point& x) {
    return HeldModelParameters({x[0], x[1], x[2]});
}

}  // namespace

ModelParameters FitModelParameters(const std::vector<CalibrationRace>& races) {
    OrderLikelihood likelihood(races);
    // Nelder–Mead on the negative log-likelihood; a point outside the ranges is valued at the
    // nearest point inside, so the search stays where the settings can follow it.
    auto cost = [&](const Point& x) { return -likelihood.Total(AsParameters(x)); };
    std::array<Point, 4> simplex = {Point{1.0, 1.0, 1.0}, Point{1.2, 1.0, 1.0},
                                    Point{1.0, 1.2, 1.0}, Point{1.0, 1.0, 1.2}};
    std::array<double, 4> value{};
    for (size_t i = 0; i < 4; ++i)
        value[i] = cost(simplex[i]);
    auto at = [](const Point& from, const Point& to, double t) {
        Point p;
        for (size_t k = 0; k < 3; ++k)
            p[k] = from[k] + t * (to[k] - from[k]);
        return p;
    };
    for (int round = 0; round < 400; ++round) {
        std::array<size_t, 4> order = {0, 1, 2, 3};
        std::sort(order.begin(), order.end(),
                  [&](size_t a, size_t b) { return value[a] < value[b]; });
        size_t best = order[0], worst = order[3], nextWorst = order[2];
        if (value[worst] - value[best] < 1e-9 * (1 + std::fabs(value[best]))) break;
        Point centre{};
        for (size_t i : {order[0], order[1], order[2]})
            for (size_t k = 0; k < 3; ++k)
                centre[k] += simplex[i][k] / 3;
        Point reflected = at(centre, simplex[worst], -1.0);
        double r = cost(reflected);
        if (r < value[best]) {
            Point expanded = at(centre, simplex[worst], -2.0);
            double e = cost(expanded);
            simplex[worst] = e < r ? expanded : reflected;
            value[worst] = std::min(e, r);
        } else if (r < value[nextWorst]) {
            simplex[worst] = reflected;
            value[worst] = r;
        } else {
            Point contracted = at(centre, simplex[worst], 0.5);
            double c = cost(contracted);
            if (c < value[worst]) {
                simplex[worst] = contracted;
                value[worst] = c;
            } else {
                for (size_t i : {order[1], order[2], order[3]}) {
                    simplex[i] = at(simplex[best], simplex[i], 0.5);
                    value[i] = cost(simplex[i]);
                }
            }
        }
    }
    size_t best = static_cast<size_t>(std::min_element(value.begin(), value.end()) - value.begin());
    return AsParameters(simplex[best]);
}

}  // namespace kagiroi
