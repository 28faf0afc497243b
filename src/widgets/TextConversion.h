#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace kagiroi {

// The one way core texts (Shift_JIS) become Qt texts and back.
QString ToQString(const std::string& sjis);
std::string ToSjis(const QString& text);
QStringList ToQStringList(const std::vector<std::string>& sjisTexts);

}  // namespace kagiroi
