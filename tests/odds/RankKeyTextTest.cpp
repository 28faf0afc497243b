#include "odds/RankKeyText.h"

#include "platform/Format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kagiroi {
namespace {

TEST(RankKeyText, NumbersAreWhatPrintfGivesWhateverTheirWidth) {
    for (int width = 1; width <= 7; ++width)
        for (int value : {0, 1, 7, 9, 10, 18, 99, 100, 999, 1000, 11234, 99998, 99999, 100000,
                          1234567, -1, -42, std::numeric_limits<int>::max()})
            EXPECT_EQ(Format("%*d", width, value), RightAlignedNumber(value, width))
                << value << " in " << width;
}

TEST(RankKeyText, OddsOfEveryTenthAndTheMarksAreWhatPrintfGives) {
    for (int tenths = 0; tenths <= 99999; ++tenths) {
        double odds = tenths / 10.0;
        ASSERT_EQ(Format("%6.1f", odds), OddsKeyText(odds)) << tenths;
    }
    // The marks, values no odds field gives, and values wider than the key.
    for (double odds :
         {-1.0, -2.0, -0.0, -3.5, 0.05, 12.34, 9999.95, 10000.0, 12345.6, 1e300, std::nan("")})
        EXPECT_EQ(Format("%6.1f", odds), OddsKeyText(odds)) << odds;
}

}  // namespace
}  // namespace kagiroi
