#include "platform/SettingsTable.h"

#include <algorithm>

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
