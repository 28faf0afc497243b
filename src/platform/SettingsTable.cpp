#include "platform/SettingsTable.h"

#include "platform/Format.h"
#include "platform/TextField.h"

#include <algorithm>
#include <cmath>

namespace kagiroi {

int ClampToSetting(const IntSetting& setting, int value) {
    return std::clamp(value, setting.minimum, setting.maximum);
}

int ReadIntSetting(const SettingsFile& settings, const IntSetting& setting) {
    return ReadIntSetting(settings, setting, setting.fallback);
}

int ReadIntSetting(const SettingsFile& settings, const IntSetting& setting, int fallback) {
    return ClampToSetting(setting, settings.ReadInteger(setting.section, setting.key, fallback));
}

bool WriteIntSetting(SettingsFile& settings, const IntSetting& setting, int value) {
    return settings.WriteInteger(setting.section, setting.key, ClampToSetting(setting, value));
}

double ClampToSetting(const DecimalSetting& setting, double value) {
    if (!std::isfinite(value)) return setting.fallback;
    return std::clamp(value, setting.minimum, setting.maximum);
}

double ReadDecimalSetting(const SettingsFile& settings, const DecimalSetting& setting) {
    double value = 0;
    std::string text = Trim(settings.ReadString(setting.section, setting.key, ""));
    if (text.empty() || !TryToDouble(text, value)) return setting.fallback;
    return ClampToSetting(setting, value);
}

bool WriteDecimalSetting(SettingsFile& settings, const DecimalSetting& setting, double value) {
    return settings.WriteString(setting.section, setting.key,
                                Format("%.2f", ClampToSetting(setting, value)));
}

std::string ReadTextSetting(const SettingsFile& settings, const TextSetting& setting) {
    return settings.ReadString(setting.section, setting.key, setting.fallback);
}

std::string ReadTextSetting(const SettingsFile& settings, const TextSetting& setting,
                            const std::string& fallback) {
    return settings.ReadString(setting.section, setting.key, fallback);
}

bool WriteTextSetting(SettingsFile& settings, const TextSetting& setting,
                      const std::string& value) {
    return settings.WriteString(setting.section, setting.key, value);
}

}  // namespace kagiroi
