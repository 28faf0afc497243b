#pragma once

#include "platform/SettingsFile.h"

namespace kagiroi {

// The three powers of the chances model: α sharpens (above 1) or flattens the market's win
// chances to undo the favourite–longshot bias; λ and τ discount the second and third places of
// the Harville rule. 1, 1, 1 is the market as it stands under the plain Harville rule.
struct ModelParameters {
    double alpha = 1.0;
    double lambda = 1.0;
    double tau = 1.0;
};

// Each power held to its setting's range (0.3..2.0); one that is not a number gives 1.
ModelParameters HeldModelParameters(const ModelParameters& parameters);

// The section Model of the settings file (Alpha, Lambda, Tau).
ModelParameters ReadModelParameters(const SettingsFile& settings);
bool WriteModelParameters(SettingsFile& settings, const ModelParameters& parameters);

}  // namespace kagiroi
