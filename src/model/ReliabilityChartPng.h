#pragma once

#include "model/CalibrationReport.h"
#include "platform/Color.h"

#include <string>
#include <vector>

namespace kagiroi {

// A point of the reliability chart's unit square (x the mean predicted chance, y the observed
// frequency, both over the chart's span).
struct ReliabilityPoint {
    double x = 0, y = 0;
};

// The chart as the window and kagiroi-cli both draw it: one point per bin with tickets, over a
// square from 0 to the largest mean or frequency, so that the diagonal (a perfect model) runs
// corner to corner.
struct ReliabilityChartShape {
    double span = 0;
    std::vector<ReliabilityPoint> points;
};
ReliabilityChartShape ShapeOfReliability(const CalibrationReport& report);

// The chart as a PNG file (no text): the frame, the diagonal dashed and the bins joined.
std::string ReliabilityChartPng(const CalibrationReport& report, int width = 480, int height = 480);
Rgb ReliabilityLineColour();

}  // namespace kagiroi
