#include "analysis/ResultsPage.h"

#include "support/TestText.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

TEST(ResultsPage, TheClearedPageHasEveryGroupAndNoText) {
    auto page = ResultsPageTexts(Payouts{});
    const char* captions[] = {"単勝", "複勝", "枠連", "馬連", "ﾜｲﾄﾞ", "馬単", "三連複", "三連単"};
    const size_t rows[] = {3, 5, 3, 3, 7, 6, 3, 6};
    for (size_t t = 0; t < page.size(); ++t) {
        EXPECT_TEXT_EQ(captions[t], page[t].caption);
        ASSERT_EQ(rows[t], page[t].rows.size()) << t;
        for (const auto& row : page[t].rows)
            EXPECT_EQ(PayoutRowTexts{}, row);
    }
}

}  // namespace
}  // namespace kagiroi
