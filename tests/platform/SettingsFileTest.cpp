#include "platform/FileSystem.h"
#include "platform/IniFile.h"
#include "platform/SettingsFile.h"
#include "support/TempFolder.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

class SettingsFileTest : public ::testing::Test {
  protected:
    std::string Path() const { return folder / "kagiroi.ini"; }
    void Write(const std::string& text) { ASSERT_TRUE(WriteFileAtomic(Path(), text)); }
    std::string Read() const { return ReadWholeFile(Path()).value_or("<missing>"); }
    test::TempFolder folder;
};

TEST_F(SettingsFileTest, MissingFileReadsDefaultsAndTheFirstWriteCreatesIt) {
    SettingsFile settings(Path());
    EXPECT_EQ(10, settings.ReadInteger("locate", "top", 10));
    EXPECT_TEXT_EQ(" 2.0 ", settings.ReadString("Race1Strong", "1nin", " 2.0 "));
    EXPECT_TRUE(settings.ReadBool("x", "y", true));
    EXPECT_FALSE(FileExists(Path()));
    ASSERT_TRUE(settings.WriteInteger("locate", "top", 42));
    EXPECT_EQ("[locate]\r\ntop=42\r\n", Read());
    EXPECT_EQ(42, settings.ReadInteger("LOCATE", "TOP", 10));
}

TEST_F(SettingsFileTest, QuotesAndCornerBracketsUnwrap) {
    Write(
        "[Dir]\r\nA=\"\"\r\nB=\xA2\xA3\r\nC=\xA2 word \xA3\r\nD=\"a b\"\r\nE=\"x\r\nF=  spaced  "
        "\r\n");
    SettingsFile settings(Path());
    EXPECT_EQ("", settings.ReadString("Dir", "A", "d"));
    EXPECT_EQ("", settings.ReadString("Dir", "B", "d"));
    EXPECT_EQ(" word ", settings.ReadString("Dir", "C", "d"));
    EXPECT_EQ("a b", settings.ReadString("Dir", "D", "d"));
    EXPECT_EQ("\"x", settings.ReadString("Dir", "E", "d"));
    EXPECT_EQ("spaced", settings.ReadString("Dir", "F", "d"));
}

TEST_F(SettingsFileTest, UnwrapLooksAtWholeCharactersNotTrailBytes) {
    // "ア" is 83 41 and "｣" is A3; a two-byte character ending in A3 is not a closing bracket.
    std::string endsInTrailA3 =
        "\xA2"
        "x\x82\xA3";  // ｢x followed by a full-width character
    EXPECT_EQ(endsInTrailA3, UnwrapSettingText(endsInTrailA3));
    EXPECT_EQ("x", UnwrapSettingText("\xA2x\xA3"));
}

TEST_F(SettingsFileTest, IntegersReadDecimalOrHexAndFallBackOnAnythingElse) {
    Write("[N]\r\na=0x1F\r\nb=-5\r\nc=12abc\r\nd=\r\ne= 7 \r\n");
    SettingsFile settings(Path());
    EXPECT_EQ(31, settings.ReadInteger("N", "a", 0));
    EXPECT_EQ(-5, settings.ReadInteger("N", "b", 0));
    EXPECT_EQ(99, settings.ReadInteger("N", "c", 99));
    EXPECT_EQ(99, settings.ReadInteger("N", "d", 99));
    EXPECT_EQ(7, settings.ReadInteger("N", "e", 99));
    EXPECT_FALSE(settings.ReadBool("N", "zero", false));
    settings.WriteBool("N", "flag", true);
    EXPECT_TRUE(settings.ReadBool("N", "flag", false));
}

TEST_F(SettingsFileTest, WritesKeepEveryOtherLineAndTheFirstMatchWins) {
    Write("; comment\r\n[A]\r\nk=1\r\nk=2\r\n\r\n[b]\r\nx=1\r\n[A]\r\nk=3\r\n");
    SettingsFile settings(Path());
    EXPECT_EQ(1, settings.ReadInteger("a", "K", 0));
    settings.WriteInteger("A", "K", 9);
    settings.WriteString("B", "new", "v");
    settings.WriteString("C", "z", "line\r\nbreak");
    EXPECT_EQ(
        "; "
        "comment\r\n[A]\r\nK=9\r\nk=2\r\n\r\n[b]\r\nx=1\r\nnew=v\r\n[A]\r\nk=3\r\n[C]\r\nz="
        "linebreak\r\n",
        Read());
}

TEST_F(SettingsFileTest, WritingTheStoredValueAgainLeavesTheFileAlone) {
    SettingsFile settings(Path());
    ASSERT_TRUE(settings.WriteInteger("Nin100", "SRF", 100));
    uint64_t written = BytesWrittenSoFar();
    EXPECT_TRUE(settings.WriteInteger("Nin100", "SRF", 100));
    EXPECT_EQ(written, BytesWrittenSoFar());
    EXPECT_TRUE(settings.WriteInteger("Nin100", "SRF", 5));
    EXPECT_GT(BytesWrittenSoFar(), written);
    EXPECT_EQ(5, settings.ReadInteger("Nin100", "SRF", 100));
}

TEST_F(SettingsFileTest, LongValuesAreReadToTheirFirst2047Bytes) {
    std::string longValue(3000, 'x');
    SettingsFile settings(Path());
    settings.WriteString("S", "long", longValue);
    EXPECT_EQ(std::string(2047, 'x'), settings.ReadString("S", "long", ""));
    // A two-byte character straddling the limit is left out whole.
    settings.WriteString("S", "kanji", std::string(2046, 'x') + "東");
    EXPECT_EQ(std::string(2046, 'x'), settings.ReadString("S", "kanji", ""));
}

TEST_F(SettingsFileTest, GarbledFileStillReadsDefaultsAndTakesWrites) {
    Write(std::string("\x00\xFF[[[=\n\r\x81", 10));
    SettingsFile settings(Path());
    EXPECT_EQ(600, settings.ReadInteger("locate", "height", 600));
    EXPECT_TRUE(settings.WriteInteger("locate", "height", 500));
    EXPECT_EQ(500, settings.ReadInteger("locate", "height", 600));
}

TEST(IniText, SectionAndKeyNamesIgnoreAsciiCaseOnly) {
    EXPECT_TRUE(EqualsIgnoringCase("HibariTohyo2", "hibaritohyo2"));
    // "ソ" (83 5C) and "ャ" (83 83) style trail bytes are compared exactly.
    EXPECT_FALSE(EqualsIgnoringCase("\x83\x61", "\x83\x41"));
    IniText ini("[Dir]\nHibariTohyo2 = C:\\x \n");
    EXPECT_EQ("C:\\x", ini.Get("dir", "HIBARITOHYO2").value_or("?"));
}

}  // namespace
}  // namespace kagiroi
