#include "platform/ErrorLog.h"
#include "platform/FileSystem.h"
#include "platform/Format.h"
#include "support/FakePorts.h"
#include "support/TempFolder.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

TEST(ErrorLog, StartUpKeepsTheLastHundredLinesThenAddsTwo) {
    test::TempFolder folder;
    std::string path = folder / "ErrorLog.txt";
    std::string old;
    for (int i = 1; i <= 250; ++i)
        old += Format("line %d\r\n", i);
    ASSERT_TRUE(WriteFileAtomic(path, old));
    test::FakeClock clock({2024, 1, 6, 9, 5, 3});
    ErrorLog log(path, clock);
    ASSERT_TRUE(log.StartUp("/home/user/kagiroi"));

    auto lines = LinesOf(ReadWholeFile(path).value());
    ASSERT_EQ(102u, lines.size());
    EXPECT_EQ("line 151", lines.front());
    EXPECT_EQ("line 250", lines[99]);
    EXPECT_TEXT_EQ("ソフト起動：2024/01/06 09:05:03", lines[100]);
    EXPECT_EQ("/home/user/kagiroi", lines[101]);
}

TEST(ErrorLog, AppendAddsOneStampedErrorLineAndMakesTheFile) {
    test::TempFolder folder;
    test::FakeClock clock({2024, 1, 6, 14, 5, 9});
    ErrorLog log(folder / "ErrorLog.txt", clock);
    ASSERT_TRUE(log.Append("東京11R:ｵｯｽﾞ取得エラー："));
    clock.Advance(1);
    ASSERT_TRUE(log.Append("x"));
    auto lines = LinesOf(ReadWholeFile(folder / "ErrorLog.txt").value());
    ASSERT_EQ(2u, lines.size());
    EXPECT_TEXT_EQ("【エラー】14:05:09：東京11R:ｵｯｽﾞ取得エラー：", lines[0]);
    EXPECT_TEXT_EQ("【エラー】14:05:10：x", lines[1]);
}

}  // namespace
}  // namespace kagiroi
