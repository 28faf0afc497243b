#include "model/ModelParameters.h"

#include "platform/SettingsTable.h"

namespace kagiroi {

ModelParameters HeldModelParameters(const ModelParameters& parameters) {
    return {ClampToSetting(setting::kModelAlpha, parameters.alpha),
            ClampToSetting(setting::kModelLambda, parameters.lambda),
            ClampToSetting(setting::kModelTau, parameters.tau)};
}

ModelParameters ReadModelParameters(const SettingsFile& settings) {
    return {ReadDecimalSetting(settings, setting::kModelAlpha),
            ReadDecimalSetting(settings, setting::kModelLambda),
            ReadDecimalSetting(settings, setting::kModelTau)};
}

bool WriteModelParameters(SettingsFile& settings, const ModelParameters& parameters) {
    // Each key is written even when one fails, so that the file holds what could be written.
    bool alpha = WriteDecimalSetting(settings, setting::kModelAlpha, parameters.alpha);
    bool lambda = WriteDecimalSetting(settings, setting::kModelLambda, parameters.lambda);
    bool tau = WriteDecimalSetting(settings, setting::kModelTau, parameters.tau);
    return alpha && lambda && tau;
}

}  // namespace kagiroi
