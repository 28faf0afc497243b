#include "widgets/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace kagiroi {

QFont GridFont(int pixelSize) {
    static const QStringList kFamilies = {
        QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),
        QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("Noto Sans CJK JP"),
        QStringLiteral("IPAGothic")};
    const QStringList available = QFontDatabase::families();
    QFont font;
    for (const QString& family : kFamilies) {
        if (available.contains(family)) {
            font.setFamily(family);
            break;
        }
    }
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(pixelSize);
    return font;
}

}  // namespace kagiroi
