#include "records/ui/BalanceChart.h"

#include "platform/Format.h"
#include "records/BalanceChartPng.h"
#include "records/BalanceChartShape.h"
#include "widgets/DesktopLook.h"
#include "widgets/TextConversion.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace kagiroi {

namespace {

// The program's own grouping, not the locale's: a German desktop would write "32.080円".
QString Yen(int64_t value) {
    return ToQString(GroupedDigits(value)) + QStringLiteral("円");
}

}  // namespace

BalanceChart::BalanceChart(QWidget* parent) : QWidget(parent) {
    setMinimumSize(480, 220);
    PaintAsChartCanvas(this);
}

void BalanceChart::SetResult(const BacktestResult* result) {
    result_ = result;
    update();
}

void BalanceChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (result_ == nullptr || result_->days.empty()) {
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("結果がありません"));
        return;
    }
    const auto& days = result_->days;
    BalanceChartShape shape = ShapeOfBalances(*result_);
    QFontMetrics metrics(font());
    int left = std::max(metrics.horizontalAdvance(Yen(shape.high)),
                        metrics.horizontalAdvance(Yen(shape.low))) +
               8;
    QRect plot = rect().adjusted(left, metrics.height() * 2, -12, -metrics.height() * 2);
    auto at = [&](double x, double y) {
        return QPointF(plot.left() + plot.width() * x, plot.bottom() - plot.height() * y);
    };

    painter.setPen(Qt::gray);
    painter.drawRect(plot);
    painter.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
    painter.drawLine(at(0, shape.zeroY), at(1, shape.zeroY));
    painter.setPen(Qt::black);
    auto valueLabel = [&](double y, const QString& text) {
        QRect box(0, static_cast<int>(at(0, y).y()) - metrics.height() / 2, left - 4,
                  metrics.height());
        painter.drawText(box, Qt::AlignRight, text);
    };
    valueLabel(1, Yen(shape.high));
    valueLabel(0, Yen(shape.low));
    if (shape.low < 0 && shape.high > 0) valueLabel(shape.zeroY, QStringLiteral("0"));
    auto date = [](const std::string& d) {
        return QString::fromStdString(d.substr(0, 4) + "-" + d.substr(4, 2) + "-" + d.substr(6, 2));
    };
    int textTop = plot.bottom() + 4;
    painter.drawText(QRect(plot.left(), textTop, plot.width(), metrics.height()), Qt::AlignLeft,
                     date(days.front().date));
    painter.drawText(QRect(plot.left(), textTop, plot.width(), metrics.height()), Qt::AlignRight,
                     date(days.back().date));

    for (size_t t = 0; t < shape.lines.size(); ++t) {
        QPainterPath path;
        for (const ChartPoint& point : shape.lines[t])
            if (path.elementCount() == 0)
                path.moveTo(at(point.x, point.y));
            else
                path.lineTo(at(point.x, point.y));
        Rgb colour = BalanceLineColour(t);
        painter.setPen(QPen(QColor(colour.r, colour.g, colour.b), 2));
        painter.drawPath(path);
        int legendX = plot.left() + static_cast<int>(t) * 120;
        painter.drawLine(legendX, metrics.height(), legendX + 24, metrics.height());
        painter.setPen(Qt::black);
        painter.drawText(legendX + 30, metrics.height() + metrics.ascent() / 2,
                         ToQString(BetTypeName(kBacktestTypes[t])));
    }
}

}  // namespace kagiroi
