#include "odds/OddsImport.h"
#include "odds/ui/OddsChartView.h"

#include <gtest/gtest.h>
#include <QImage>

namespace kagiroi {
namespace {

int PixelsOf(const QImage& image, QColor colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == colour;
    return count;
}

QImage Painted(const OddsMovement& movement) {
    OddsChartView view;
    view.resize(400, 300);
    view.SetMovement(movement);
    return view.grab().toImage();
}

TEST(OddsChartViewTest, DrawsEachHorseInItsFrameColour) {
    OddsMovement movement;
    movement.runners = 3;
    movement.frames = {0, 3, 4, 4};  // red, blue, blue
    movement.fetchMinutes = 15 * 60 + 30;
    for (int minutes : {15 * 60, 15 * 60 + 20, 15 * 60 + 40}) {
        OddsMovement::Announcement announcement;
        announcement.minutes = minutes;
        announcement.winOdds = {kBlankOdds, 2.5, 14.0, kCancelledOdds};
        movement.announcements.push_back(announcement);
    }
    QImage chart = Painted(movement);
    EXPECT_GT(PixelsOf(chart, QColor(255, 0, 0)), 100);
    EXPECT_GT(PixelsOf(chart, QColor(0, 0, 255)), 100);

    movement.announcements.resize(1);  // a lone announcement draws its points
    EXPECT_GT(PixelsOf(Painted(movement), QColor(255, 0, 0)), 20);

    movement.announcements.clear();
    QImage empty = Painted(movement);
    EXPECT_EQ(0, PixelsOf(empty, QColor(255, 0, 0)));
}

}  // namespace
}  // namespace kagiroi
