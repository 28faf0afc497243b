#pragma once

#include <QString>
#include <string>

namespace kagiroi {

// The one way core texts (Shift_JIS) become Qt texts and back.
QString ToQString(const std::string& sjis);
std::string ToSjis(const QString& text);

}  // namespace kagiroi
