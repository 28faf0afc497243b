// A test's read port stands in only while it lives, and passes on the files it does not refuse:
// a port left in place would make every later read of that file fail.
#include "platform/FileReadPort.h"
#include "support/FailingReads.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace kagiroi {
namespace {

ReadStatus StatusOf(const std::string& path) {
    return ReadFileContents(path).status;
}

TEST(FileReadPort, NestedScopesStandInUntilTheyEnd) {
    test::TempFolder folder;
    std::string a = folder / "a.txt", b = folder / "b.txt";
    ASSERT_TRUE(WriteFileAtomic(a, "a") && WriteFileAtomic(b, "b"));
    {
        test::FailingReads outer;
        outer.Fail(a, EACCES);
        FileContents refused = ReadFileContents(a);
        EXPECT_EQ(ReadStatus::Failed, refused.status);
        EXPECT_EQ(EACCES, refused.error.code);
        EXPECT_EQ("b", ReadWholeFile(b).value_or(""));
        {
            test::FailingReads inner;
            inner.Fail(b, EIO);
            EXPECT_EQ(ReadStatus::Failed, StatusOf(b));
            EXPECT_EQ(ReadStatus::Failed, StatusOf(a));  // passed on to the outer port
        }
        EXPECT_EQ(ReadStatus::Read, StatusOf(b));
        EXPECT_EQ(ReadStatus::Failed, StatusOf(a));
    }
    EXPECT_EQ("a", ReadWholeFile(a).value_or(""));
    EXPECT_EQ(&SystemFileReads(), &CurrentFileReads());
}

}  // namespace
}  // namespace kagiroi
