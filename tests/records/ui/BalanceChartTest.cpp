#include "records/BalanceChartPng.h"
#include "records/ui/BalanceChart.h"

#include <gtest/gtest.h>
#include <QImage>

namespace kagiroi {
namespace {

// Three days: ３連複 rises to +6000, ３連単 falls to -3000.
BacktestResult RisingAndFalling() {
    BacktestResult result;
    const int64_t balances[3][2] = {{1000, -1000}, {-500, -2000}, {6000, -3000}};
    for (int d = 0; d < 3; ++d) {
        BacktestDay day;
        day.date = "2024010" + std::to_string(6 + d);
        day.balanceAfter = {balances[d][0], balances[d][1]};
        result.days.push_back(day);
    }
    return result;
}

// The topmost row in column x painted in the colour; -1 when none is.
int TopOf(const QImage& image, int x, const QColor& colour) {
    for (int y = 0; y < image.height(); ++y)
        if (image.pixelColor(x, y) == colour) return y;
    return -1;
}

// Both the window's chart and the file kagiroi-cli writes draw each net in its colour, the
// rising balance above the falling one at the last day.
TEST(BalanceChartTest, TheRisingNetEndsAboveTheFallingOneInTheWindowAndInTheFile) {
    BacktestResult result = RisingAndFalling();
    BalanceChart chart;
    chart.resize(640, 320);
    chart.SetResult(&result);
    QImage window = chart.grab().toImage();
    QImage file = QImage::fromData(QByteArray::fromStdString(BalanceChartPng(result, 800, 400)));
    ASSERT_FALSE(file.isNull()) << "the PNG does not decode";
    EXPECT_EQ(QSize(800, 400), file.size());

    for (const QImage* image : {&window, &file}) {
        const Rgb blue = BalanceLineColour(0), red = BalanceLineColour(1);
        int x = image->width() - 30;  // near the last day, right of the legend
        int trio = TopOf(*image, x, QColor(blue.r, blue.g, blue.b));
        int trifecta = TopOf(*image, x, QColor(red.r, red.g, red.b));
        ASSERT_GE(trio, 0) << image->width();
        ASSERT_GE(trifecta, 0) << image->width();
        EXPECT_LT(trio, trifecta) << image->width();
        EXPECT_LT(trio, image->height() / 4) << image->width();  // the highest balance
    }
}

}  // namespace
}  // namespace kagiroi
