#include "printing/DevicePage.h"
#include "printing/TPrevX.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

TEST(DevicePixels, TenthsOfMillimetreToTheNearestPixel) {
    struct Case {
        int tenths, dpi, pixels;
    } cases[] = {
        {100, 600, 236},                 // 236.2
        {2690, 600, 6354},               // 6354.3
        {1890, 600, 4465},               // 4464.6
        {254, 600, 600},   {127, 1, 1},  // a half rounds up
        {-100, 600, -236}, {0, 600, 0}, {2970, 300, 3508},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.pixels, DevicePixels(c.tenths, c.dpi)) << c.tenths << " at " << c.dpi;
}

TEST(DevicePenPixels, ScaledFromTheScreenAndNeverThinnerThanOnePixel) {
    struct Case {
        int width, dpiY, screen, pixels;
    } cases[] = {
        {20, 600, 96, 13},  // 12.5
        {5, 600, 96, 3},    // 3.125
        {20, 300, 96, 6},  {1, 600, 96, 1}, {0, 600, 96, 1}, {5, 600, 0, 3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.pixels, DevicePenPixels(c.width, {c.dpiY, c.dpiY, c.screen}))
            << c.width << " at " << c.dpiY << "/" << c.screen;
}

TEST(DevicePaperPixels, A4LandscapeAt600Dpi) {
    PaperSize a4 = PaperSizeOf(PaperKind::A4, PaperOrientation::Landscape);
    EXPECT_EQ((PaperSize{2970, 2100}), a4);
    EXPECT_EQ((PixelSize{7016, 4961}), DevicePaperPixels(a4, {}));
}

TEST(TPrevX, RecordsInTenthsFromTheCornerPlusMargins) {
    TPrevX page;
    page.TextOut(1, 1, "before");  // no document yet
    page.NewDocument();
    page.SetMargins(50, 30);
    page.PenWidth(20);
    page.BrushColour(colors::kSilver);
    page.TextOut(100, 90, "T");
    page.Rectangle(100, 150, 200, 1890);
    page.SetUnit(PageUnit::Millimetre);
    page.MoveTo(10, 10);
    page.LineTo(20, 10);
    page.EndDocument();
    page.TextOut(1, 1, "after");

    ASSERT_EQ(1u, page.Pages().size());
    const PagePicture& ops = page.Pages()[0];
    ASSERT_EQ(3u, ops.size());
    EXPECT_EQ("T", ops[0].text);
    EXPECT_EQ(150, ops[0].x1);
    EXPECT_EQ(120, ops[0].y1);
    EXPECT_EQ((Rgb{192, 192, 192}), ops[1].fill);
    EXPECT_EQ(20, ops[1].penWidth);
    EXPECT_EQ(250, ops[1].x2);
    EXPECT_EQ(1920, ops[1].y2);
    EXPECT_EQ(DrawKind::Line, ops[2].kind);
    EXPECT_EQ(150, ops[2].x1);
    EXPECT_EQ(250, ops[2].x2);
    EXPECT_EQ(130, ops[2].y2);

    DeviceOp line = RenderForDevice(ops, {})[2];
    EXPECT_EQ(354, line.x1);  // 150 tenths at 600 dpi
    EXPECT_EQ(13, line.penPixels);
}

TEST(TPrevX, ZoomOutside25To200IsIgnored) {
    TPrevX page;
    EXPECT_EQ(25, page.ZoomScale());
    for (int percent : {24, 201, 0, -50})
        page.SetZoomScale(percent);
    EXPECT_EQ(25, page.ZoomScale());
    page.SetZoomScale(200);
    EXPECT_EQ(200, page.ZoomScale());
}

}  // namespace
}  // namespace kagiroi
