#pragma once

#include "model/CalibrationRace.h"
#include "model/ModelParameters.h"

#include <vector>

namespace kagiroi {

// The log of the chance the model gave the race's first three in their order; -infinity when
// it gave them none.
double OrderLogLikelihood(const CalibrationRace& race, const ModelParameters& parameters);
// The same with every order of three of its priced runners equally likely.
double UniformLogLikelihood(const CalibrationRace& race);

// Sums of the log-likelihood of every race under each set of powers, computed from the races'
// odds once taken apart.
class OrderLikelihood {
  public:
    explicit OrderLikelihood(const std::vector<CalibrationRace>& races);
    double Total(const ModelParameters& parameters) const;

  private:
    struct Race {
        std::vector<double> logShare;  // log q of each priced runner
        int first, second, third;      // places into logShare
    };
    std::vector<Race> races_;
};

// The powers (each within 0.3..2.0) that give the races' first three the largest likelihood;
// never worse than the plain rule (1, 1, 1), where the search starts.
ModelParameters FitModelParameters(const std::vector<CalibrationRace>& races);

}  // namespace kagiroi
