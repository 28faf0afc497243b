#include "mail/Base64.h"
#include "mail/JisEncoding.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

const std::string kIn = "\x1B$B";
const std::string kOut = "\x1B(J";

struct Case {
    std::string input;
    std::string expected;
};

TEST(JisEncoding, SjisToJisEscapesJapaneseRunsAndReturnsToRoman) {
    const Case cases[] = {
        {"ABC", "ABC"},
        {"", ""},
        {"[テスト]", "[" + kIn + "\x25\x46\x25\x39\x25\x48" + kOut + "]"},
        {"\xB1", kIn + "\x25\x22" + kOut},              // half-width ｱ
        {"\xB6\xDE", kIn + "\x25\x2B\x21\x2B" + kOut},  // ｶﾞ stays カ゛
        {"\x80", "?"},
        {"\xFD", "?"},
        {"あ\x80"
         "b",
         kIn + "\x24\x22" + kOut + "?b"},
        {"A\x82", "A?"},  // lead byte without a trail
        {"\x82\x20x", "? x"},
        {"馬1頭", kIn + "\x47\x4F" + kOut + "1" + kIn + "\x46\x2C" + kOut},
    };
    for (const Case& c : cases)
        EXPECT_TEXT_EQ(c.expected, SjisToJis(c.input)) << c.input;
}

TEST(JisEncoding, SjisPairToJisIsTheRowAndCellArithmetic) {
    const struct {
        unsigned char lead, trail;
        std::string jis;
    } cases[] = {
        {0x82, 0xA0, "\x24\x22"},  // あ
        {0x8A, 0xBF, "\x34\x41"},  // 漢
        {0x81, 0x5B, "\x21\x3C"},  // ー
        {0x81, 0x75, "\x21\x56"},  // 「
        {0x94, 0x6E, "\x47\x4F"},  // 馬
        {0x87, 0x40, "\x2D\x21"},  // ① of the vendor rows
        {0x81, 0x7E, "\x21\x5F"},  // × before the gap at trail 0x7F
        {0x81, 0x80, "\x21\x60"},  // ÷ after it
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.jis, SjisPairToJis(c.lead, c.trail)) << std::hex << int(c.lead) << int(c.trail);
}

TEST(JisEncoding, HalfToFullKanaKeepsCodeOrder) {
    EXPECT_TEXT_EQ("。", HalfToFullKana(0xA1));
    EXPECT_TEXT_EQ("ア", HalfToFullKana(0xB1));
    EXPECT_TEXT_EQ("ト", HalfToFullKana(0xC4));
    EXPECT_TEXT_EQ("ナ", HalfToFullKana(0xC5));
    EXPECT_TEXT_EQ("ン", HalfToFullKana(0xDD));
    EXPECT_TEXT_EQ("゛", HalfToFullKana(0xDE));
    EXPECT_TEXT_EQ("゜", HalfToFullKana(0xDF));
    EXPECT_EQ("", HalfToFullKana(0x41));
}

TEST(JisEncoding, JisToHeaderMakesOneEncodedWordPerJapaneseRun) {
    const std::string word = "=?ISO-2022-JP?B?GyRCJUYlOSVIGyhK?=";
    const Case cases[] = {
        {"plain ASCII, kept", "plain ASCII, kept"},
        {SjisToJis("[テスト]"), "[" + word + "]"},
        {SjisToJis("テスト"), word},  // closing escape at the very end
        {SjisToJis("テスト") + "-" + SjisToJis("テスト"), word + "-" + word},
        {"\x1B$@\x24\x22", "=?ISO-2022-JP?B?GyRAJCI=?="},  // unclosed run of the 1978 set
        {"a\x1B(Jb", "a\x1B(Jb"},  // a return escape outside a run is plain text
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, JisToHeader(c.input));

    const std::string longRun = SjisToJis(
        std::string(30, 'x') + "あああああああああああああああああああああああああああああ");
    EXPECT_EQ(std::string::npos, JisToHeader(longRun).find_first_of("\r\n "));  // never folded
}

TEST(JisEncoding, Base64PadsTheLastGroup) {
    EXPECT_EQ("YWJj", Base64Encode("abc"));
    EXPECT_EQ("YWI=", Base64Encode("ab"));
    EXPECT_EQ("YQ==", Base64Encode("a"));
    EXPECT_EQ("", Base64Encode(""));
    EXPECT_EQ("/w==", Base64Encode("\xFF"));
}

}  // namespace
}  // namespace kagiroi
