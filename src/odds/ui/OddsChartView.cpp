#include "odds/ui/OddsChartView.h"

#include "odds/OddsImport.h"
#include "widgets/DesktopLook.h"
#include "widgets/TextConversion.h"

#include <QPainter>
#include <QPainterPath>
#include <vector>

namespace kagiroi {

namespace {

constexpr int kLeftMargin = 56, kRightMargin = 36, kTopMargin = 28, kBottomMargin = 30;

QColor ToQColor(Rgb rgb) {
    return QColor(rgb.r, rgb.g, rgb.b);
}

QString OddsLabel(double odds) {
    return odds < 10 ? QString::number(odds, 'f', 1) : QString::number(odds, 'f', 0);
}

}  // namespace

OddsChartView::OddsChartView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(320, 240);
    PaintAsChartCanvas(this);
}

void OddsChartView::SetMovement(OddsMovement movement) {
    movement_ = std::move(movement);
    axes_ = ChartAxesFor(movement_);
    update();
}

void OddsChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawText(QRect(0, 4, width(), kTopMargin - 8), Qt::AlignCenter,
                     ToQString(movement_.title));
    QRectF plot(kLeftMargin, kTopMargin, width() - kLeftMargin - kRightMargin,
                height() - kTopMargin - kBottomMargin);
    if (movement_.announcements.empty()) {
        painter.drawText(plot, Qt::AlignCenter, ToQString(OddsChartEmptyText()));
        return;
    }
    auto x = [&](int minutes) {
        return plot.left() + axes_.MinutePosition(minutes) * plot.width();
    };
    // Short odds at the top, as a favourite is first.
    auto y = [&](double odds) { return plot.top() + axes_.OddsPosition(odds) * plot.height(); };

    painter.setPen(QColor(220, 220, 220));
    for (double odds : axes_.oddsTicks) {
        painter.drawLine(QPointF(plot.left(), y(odds)), QPointF(plot.right(), y(odds)));
        painter.save();
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, y(odds) - 8, kLeftMargin - 6, 16),
                         Qt::AlignRight | Qt::AlignVCenter, OddsLabel(odds));
        painter.restore();
    }
    painter.setPen(Qt::black);
    for (int minutes : axes_.minuteTicks)
        painter.drawText(QRectF(x(minutes) - 30, plot.bottom() + 4, 60, 16), Qt::AlignCenter,
                         ToQString(ClockText(minutes)));
    painter.drawRect(plot);

    if (movement_.fetchMinutes >= 0) {
        painter.setPen(QPen(QColor(0, 128, 0), 1, Qt::DashLine));
        painter.drawLine(QPointF(x(movement_.fetchMinutes), plot.top()),
                         QPointF(x(movement_.fetchMinutes), plot.bottom()));
    }

    for (int h = 1; h <= movement_.runners; ++h) {
        QPainterPath path;
        std::vector<QPointF> points;  // a lone announcement has a point and no line
        QPointF last;
        bool drawing = false;
        for (const auto& announcement : movement_.announcements) {
            double odds = announcement.winOdds[static_cast<size_t>(h)];
            if (odds <= 0) {
                drawing = false;  // a blank or cancelled announcement breaks the line
                continue;
            }
            last = QPointF(x(announcement.minutes), y(odds));
            drawing ? path.lineTo(last) : path.moveTo(last);
            points.push_back(last);
            drawing = true;
        }
        if (points.empty()) continue;
        const QColor colour = ToQColor(HorseLineColour(movement_, h));
        // A grey edge keeps the yellow frame visible on the white ground.
        const QColor edge(96, 96, 96);
        painter.setPen(QPen(edge, 3.5));
        painter.drawPath(path);
        painter.setPen(QPen(edge, 1));
        painter.setBrush(colour);
        for (const QPointF& point : points)
            painter.drawEllipse(point, 4.0, 4.0);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(colour, 2));
        painter.drawPath(path);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(last.x() + 4, last.y() - 8, kRightMargin, 16),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::number(h));
    }
}

}  // namespace kagiroi
