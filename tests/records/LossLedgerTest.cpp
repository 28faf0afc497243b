#include "records/LossLedger.h"

#include "platform/FileSystem.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

TEST(LossLedger, AQuoteInAFieldReadsBackWholeAfterASave) {
    test::TempFolder folder;
    std::string path = folder / "ruison.csv";
    ASSERT_TRUE(WriteFileAtomic(path, "\" 1\",\"a\"\"b\",\"c,d\",\"  -1200\"\r\n"));
    LossLedger ledger(path);
    ledger.Load();
    ASSERT_TRUE(ledger.Save());
    LossLedger again(path);
    again.Load();
    ASSERT_EQ(1u, again.Entries().size());
    EXPECT_EQ("a\"b", again.Entries()[0].race);
    EXPECT_EQ("c,d", again.Entries()[0].betType);
}

TEST(LossLedger, AnAmountNoBoxCouldHoldStaysOutOfTheTotal) {
    test::TempFolder folder;
    std::string path = folder / "ruison.csv";
    ASSERT_TRUE(WriteFileAtomic(path,
                                "\"1\",\"r\",\"t\",\"9223372036854775807\"\r\n"
                                "\"2\",\"r\",\"t\",\"9223372036854775807\"\r\n"
                                "\"3\",\"r\",\"t\",\" 999999\"\r\n"
                                "\"4\",\"r\",\"t\",\"-1200\"\r\n"));
    LossLedger ledger(path);
    ledger.Load();
    EXPECT_EQ(999999 - 1200, ledger.CumulativeLoss());
}

}  // namespace
}  // namespace kagiroi
