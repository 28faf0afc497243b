#include "widgets/DesktopLook.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QTranslator>
#include <QWidget>

namespace kagiroi {

QImage ProgramIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);  // drawn on a 64-unit square

    QPainterPath tile;
    tile.addRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    QLinearGradient turf(0, 2, 0, 62);
    turf.setColorAt(0, QColor(34, 139, 58));
    turf.setColorAt(1, QColor(10, 80, 34));
    p.fillPath(tile, turf);
    p.setPen(QPen(QColor(255, 255, 255, 90), 1.5));
    p.drawPath(tile);

    // Three horses joined by the lines of a net; the axis horse in red.
    const QPointF nodes[3] = {{32, 16}, {16, 46}, {48, 46}};
    p.setPen(QPen(QColor(255, 255, 255), 4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i)
        p.drawLine(nodes[i], nodes[(i + 1) % 3]);
    const QColor fills[3] = {QColor(220, 30, 30), QColor(255, 255, 255), QColor(255, 255, 255)};
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(QColor(20, 40, 20), 2));
        p.setBrush(fills[i]);
        p.drawEllipse(nodes[i], 8.5, 8.5);
    }
    return image;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(ProgramIconImage(size)));
    return icon;
}

bool InstallJapaneseQtTranslations(QApplication& app) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                          QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QApplication::installTranslator(translator);
}

void PaintAsChartCanvas(QWidget* chart) {
    chart->setAutoFillBackground(true);
    QPalette p = chart->palette();
    p.setColor(QPalette::Window, Qt::white);
    chart->setPalette(p);
}

}  // namespace kagiroi
