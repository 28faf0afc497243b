#include "model/ReliabilityChartPng.h"

#include "platform/PngImage.h"

#include <algorithm>
#include <cmath>

namespace kagiroi {

ReliabilityChartShape ShapeOfReliability(const CalibrationReport& report) {
    ReliabilityChartShape shape;
    for (const ReliabilityBin& bin : report.reliability)
        if (bin.count > 0) shape.span = std::max({shape.span, bin.meanPredicted, bin.observed});
    if (shape.span <= 0) return shape;
    for (const ReliabilityBin& bin : report.reliability)
        if (bin.count > 0)
            shape.points.push_back({bin.meanPredicted / shape.span, bin.observed / shape.span});
    return shape;
}

Rgb ReliabilityLineColour() {
    return Rgb{0, 0, 200};
}

std::string ReliabilityChartPng(const CalibrationReport& report, int width, int height) {
    PngImage image(width, height, colors::kWhite);
    PlotArea area = DrawPlotFrame(image, 16, colors::kGrey);
    auto px = [&](double x) { return area.X(x); };
    auto py = [&](double y) { return area.Y(y); };
    for (double t = 0; t < 1; t += 0.02)  // the diagonal, dashed
        image.DrawLine(px(t), py(t), px(t + 0.01), py(t + 0.01), colors::kGrey);
    ReliabilityChartShape shape = ShapeOfReliability(report);
    for (size_t k = 0; k < shape.points.size(); ++k) {
        const ReliabilityPoint& from = shape.points[k == 0 ? 0 : k - 1];
        const ReliabilityPoint& to = shape.points[k];
        image.DrawLine(px(from.x), py(from.y), px(to.x), py(to.y), ReliabilityLineColour(), 2);
        image.DrawRectangle(px(to.x) - 3, py(to.y) - 3, px(to.x) + 3, py(to.y) + 3,
                            ReliabilityLineColour());
    }
    return image.Encode();
}

}  // namespace kagiroi
