#include "records/ui/BalanceChart.h"

#include "widgets/TextConversion.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace kagiroi {

namespace {

const QColor kLineColours[2] = {QColor(0, 0, 200), QColor(200, 0, 0)};

QString Yen(int64_t value) {
    return QLocale(QLocale::Japanese).toString(static_cast<qlonglong>(value)) +
           QStringLiteral("円");
}

}  // namespace

BalanceChart::BalanceChart(QWidget* parent) : QWidget(parent) {
    setMinimumSize(480, 220);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
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
    int64_t low = 0, high = 0;
    for (const BacktestDay& day : days)
        for (int64_t balance : day.balanceAfter) {
            low = std::min(low, balance);
            high = std::max(high, balance);
        }
    if (high == low) high = low + 1;
    QFontMetrics metrics(font());
    int left =
        std::max(metrics.horizontalAdvance(Yen(high)), metrics.horizontalAdvance(Yen(low))) + 8;
    QRect plot = rect().adjusted(left, metrics.height() * 2, -12, -metrics.height() * 2);
    auto x = [&](size_t k) {
        return plot.left() + (days.size() == 1 ? plot.width() / 2.0
                                               : plot.width() * static_cast<double>(k) /
                                                     static_cast<double>(days.size() - 1));
    };
    auto y = [&](int64_t balance) {
        return plot.bottom() -
               plot.height() * static_cast<double>(balance - low) / static_cast<double>(high - low);
    };

    painter.setPen(Qt::gray);
    painter.drawRect(plot);
    painter.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
    painter.drawLine(QPointF(plot.left(), y(0)), QPointF(plot.right(), y(0)));
    painter.setPen(Qt::black);
    auto valueLabel = [&](int64_t value, const QString& text) {
        QRect box(0, static_cast<int>(y(value)) - metrics.height() / 2, left - 4, metrics.height());
        painter.drawText(box, Qt::AlignRight, text);
    };
    valueLabel(high, Yen(high));
    valueLabel(low, Yen(low));
    if (low < 0 && high > 0) valueLabel(0, QStringLiteral("0"));
    auto date = [](const std::string& d) {
        return QString::fromStdString(d.substr(0, 4) + "-" + d.substr(4, 2) + "-" + d.substr(6, 2));
    };
    int textTop = plot.bottom() + 4;
    painter.drawText(QRect(plot.left(), textTop, plot.width(), metrics.height()), Qt::AlignLeft,
                     date(days.front().date));
    painter.drawText(QRect(plot.left(), textTop, plot.width(), metrics.height()), Qt::AlignRight,
                     date(days.back().date));

    for (size_t t = 0; t < kBacktestTypes.size(); ++t) {
        QPainterPath path;
        for (size_t k = 0; k < days.size(); ++k) {
            QPointF point(x(k), y(days[k].balanceAfter[t]));
            if (k == 0)
                path.moveTo(point);
            else
                path.lineTo(point);
        }
        painter.setPen(QPen(kLineColours[t], 2));
        painter.drawPath(path);
        int legendX = plot.left() + static_cast<int>(t) * 120;
        painter.drawLine(legendX, metrics.height(), legendX + 24, metrics.height());
        painter.setPen(Qt::black);
        painter.drawText(legendX + 30, metrics.height() + metrics.ascent() / 2,
                         ToQString(BetTypeName(kBacktestTypes[t])));
    }
}

}  // namespace kagiroi
