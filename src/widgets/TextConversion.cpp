#include "widgets/TextConversion.h"

#include "platform/Sjis.h"

namespace kagiroi {

QString ToQString(const std::string& sjis) {
    return QString::fromStdString(SjisToUtf8(sjis));
}

std::string ToSjis(const QString& text) {
    return Utf8ToSjis(text.toStdString());
}

QStringList ToQStringList(const std::vector<std::string>& sjisTexts) {
    QStringList list;
    for (const auto& text : sjisTexts)
        list << ToQString(text);
    return list;
}

}  // namespace kagiroi
