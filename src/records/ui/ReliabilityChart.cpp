#include "records/ui/ReliabilityChart.h"

#include "model/ReliabilityChartPng.h"
#include "widgets/DesktopLook.h"

#include <QPainter>
#include <QPainterPath>

namespace kagiroi {

namespace {

QString Percent(double chance) {
    return QString::number(chance * 100, 'f', 1) + QStringLiteral("%");
}

}  // namespace

ReliabilityChart::ReliabilityChart(QWidget* parent) : QWidget(parent) {
    setMinimumSize(320, 320);
    PaintAsChartCanvas(this);
}

void ReliabilityChart::SetReport(const CalibrationReport* report) {
    report_ = report;
    update();
}

void ReliabilityChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    ReliabilityChartShape shape =
        report_ != nullptr ? ShapeOfReliability(*report_) : ReliabilityChartShape{};
    if (shape.points.empty()) {
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("結果がありません"));
        return;
    }
    QFontMetrics metrics(font());
    int left = metrics.horizontalAdvance(Percent(shape.span)) + 8;
    int line = metrics.height();
    // A square plot, so that the diagonal is the 45° line a reader expects.
    int side = std::max(40, std::min(width() - left - 12, height() - line * 4));
    QRect plot(left, line * 2, side, side);
    auto at = [&](double x, double y) {
        return QPointF(plot.left() + plot.width() * x, plot.bottom() - plot.height() * y);
    };

    painter.setPen(Qt::gray);
    painter.drawRect(plot);
    painter.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
    painter.drawLine(at(0, 0), at(1, 1));
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, plot.top() - line / 2, left - 4, line), Qt::AlignRight,
                     Percent(shape.span));
    painter.drawText(QRect(0, plot.bottom() - line / 2, left - 4, line), Qt::AlignRight,
                     QStringLiteral("0"));
    painter.drawText(QRect(plot.left(), 0, plot.width(), line), Qt::AlignLeft,
                     QStringLiteral("的中頻度"));
    QRect under(plot.left(), plot.bottom() + 4, plot.width(), line);
    painter.drawText(under, Qt::AlignRight, Percent(shape.span));
    painter.drawText(under, Qt::AlignHCenter, QStringLiteral("平均予測（３連複）"));

    Rgb colour = ReliabilityLineColour();
    QColor pen(colour.r, colour.g, colour.b);
    QPainterPath path;
    for (const ReliabilityPoint& point : shape.points)
        if (path.elementCount() == 0)
            path.moveTo(at(point.x, point.y));
        else
            path.lineTo(at(point.x, point.y));
    painter.setPen(QPen(pen, 2));
    painter.drawPath(path);
    painter.setBrush(pen);
    for (const ReliabilityPoint& point : shape.points)
        painter.drawRect(QRectF(at(point.x, point.y) - QPointF(3, 3), QSizeF(6, 6)));
}

}  // namespace kagiroi
