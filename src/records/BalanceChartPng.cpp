#include "records/BalanceChartPng.h"

#include "platform/PngImage.h"
#include "records/BalanceChartShape.h"

#include <cmath>

namespace kagiroi {

Rgb BalanceLineColour(size_t net) {
    return net == 0 ? Rgb{0, 0, 200} : Rgb{200, 0, 0};
}

std::string BalanceChartPng(const BacktestResult& result, int width, int height) {
    PngImage image(width, height, colors::kWhite);
    PlotArea area = DrawPlotFrame(image, 16, colors::kGrey);
    if (result.days.empty()) return image.Encode();

    BalanceChartShape shape = ShapeOfBalances(result);
    auto px = [&](double x) { return area.X(x); };
    auto py = [&](double y) { return area.Y(y); };
    int zero = py(shape.zeroY);
    for (int x = area.left; x <= area.right; x += 6)  // dashed
        image.DrawLine(x, zero, std::min(x + 2, area.right), zero, colors::kGrey);
    for (size_t t = 0; t < shape.lines.size(); ++t) {
        const auto& line = shape.lines[t];
        for (size_t k = 0; k < line.size(); ++k) {
            const ChartPoint& from = line[k == 0 ? 0 : k - 1];
            image.DrawLine(px(from.x), py(from.y), px(line[k].x), py(line[k].y),
                           BalanceLineColour(t), 2);
        }
    }
    return image.Encode();
}

}  // namespace kagiroi
