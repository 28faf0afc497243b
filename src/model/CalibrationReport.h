#pragma once

#include "model/CalibrationRace.h"
#include "model/ModelParameters.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kagiroi {

// The races of the stored days that the fit could not take, by reason.
struct CalibrationLeftOut {
    int fewPriced = 0;  // fewer than five runners with odds
    int deadHeat = 0;   // a dead heat for one of the first three places
    int noResult = 0;   // no first three in the runner records or the payouts
};

// How well a model foresaw the first three: over the races it gave a chance, the mean
// log-likelihood per race and 1 − LL ÷ LL₀ against every order being equally likely.
struct ModelScore {
    int races = 0;
    double meanLogLikelihood = 0;
    double pseudoR2 = 0;
};

// Trio tickets of a range of predicted chance: their mean chance, how often they hit.
struct ReliabilityBin {
    double low = 0, high = 0;
    double meanPredicted = 0;
    double observed = 0;
    int64_t count = 0;
};

struct CalibrationReport {
    int usable = 0;
    CalibrationLeftOut leftOut;
    // Set only when there were enough races to fit.
    std::optional<ModelParameters> fitted;
    ModelScore popularity, market, fittedScore;
    std::vector<ReliabilityBin> reliability;  // of the fitted model
};

// The edges of the ten bins of trio chance.
const std::vector<double>& ReliabilityEdges();

ModelScore ScoreOf(const std::vector<CalibrationRace>& races, const ModelParameters& parameters);
// The popularity-rate tables' win chances under the plain Harville rule.
ModelScore PopularityScore(const std::vector<CalibrationRace>& races);
std::vector<ReliabilityBin> TrioReliability(const std::vector<CalibrationRace>& races,
                                            const ModelParameters& parameters);

// The fit and every table of it; with fewer than kCalibrationMinRaces usable races nothing is
// fitted or scored.
CalibrationReport Calibrate(const std::vector<CalibrationRace>& races,
                            const CalibrationLeftOut& leftOut);

// The report's tables as rows of cells, header row first: the races taken and left out, the
// models' scores with the fitted powers, and the reliability of the trio chances.
std::vector<std::vector<std::string>> CalibrationRaceRows(const CalibrationReport& report);
std::vector<std::vector<std::string>> CalibrationModelRows(const CalibrationReport& report);
std::vector<std::vector<std::string>> ReliabilityRows(const CalibrationReport& report);
// What is said instead of a fit when too few races were usable.
std::string TooFewRacesText(int usable);
// The question asked before the fitted powers replace the settings' ones.
std::string SaveFitQuestion(const ModelParameters& fitted, const ModelParameters& current);

}  // namespace kagiroi
