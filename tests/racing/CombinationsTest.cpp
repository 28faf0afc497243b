#include "racing/KeibaFunc.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace kagiroi {
namespace {

// The ranks in closed form, worked out from the lexicographic order rather than by counting
// through it, so that they check the tables instead of repeating how they are built.
int ClosedFormTrioIndex(int i, int j, int k) {
    int index = 0;
    for (int x = 1; x < i; ++x)
        index += (18 - x) * (17 - x) / 2;
    for (int y = i + 1; y < j; ++y)
        index += 18 - y;
    return index + (k - j);
}

int ClosedFormTrifectaIndex(int a, int b, int c) {
    int bRank = b > a ? b - 1 : b;
    int cRank = c - (a < c ? 1 : 0) - (b < c ? 1 : 0);
    return (a - 1) * 272 + (bRank - 1) * 16 + cRank;
}

// The three numbers of an eight-character text, read back character by character.
void ReadNumbers(const std::string& text, int& a, int& b, int& c) {
    auto two = [&](size_t at) { return std::stoi(text.substr(at, 2)); };
    a = two(0);
    b = two(3);
    c = two(6);
}

TEST(TrioNumbering, ListedIndices) {
    EXPECT_EQ(1, TrioIndex(" 1- 2- 3"));
    EXPECT_EQ(2, TrioIndex(" 1- 2- 4"));
    EXPECT_EQ(16, TrioIndex(" 1- 2-18"));
    EXPECT_EQ(17, TrioIndex(" 1- 3- 4"));
    EXPECT_EQ(490, TrioIndex(" 5- 9-14"));
    EXPECT_EQ(816, TrioIndex("16-17-18"));
    EXPECT_EQ(" 5- 9-14", TrioByIndex(490));
    EXPECT_EQ("16-17-18", TrioByIndex(kTrioCount));
}

TEST(TrioNumbering, EveryIndexRoundTripsThroughItsText) {
    for (int index = 1; index <= kTrioCount; ++index) {
        std::string text = TrioByIndex(index);
        ASSERT_EQ(8u, text.size()) << index;
        int a, b, c;
        ReadNumbers(text, a, b, c);
        EXPECT_TRUE(1 <= a && a < b && b < c && c <= 18) << text;
        EXPECT_EQ(ClosedFormTrioIndex(a, b, c), index) << text;
        EXPECT_EQ(index, TrioIndex(text));
    }
}

TEST(TrifectaNumbering, ListedIndices) {
    EXPECT_EQ(1, TrifectaIndex(" 1- 2- 3"));
    EXPECT_EQ(16, TrifectaIndex(" 1- 2-18"));
    EXPECT_EQ(17, TrifectaIndex(" 1- 3- 2"));
    EXPECT_EQ(1212, TrifectaIndex(" 5- 9-14"));
    EXPECT_EQ(2448, TrifectaIndex(" 9-18-17"));
    EXPECT_EQ(2449, TrifectaIndex("10- 1- 2"));
    EXPECT_EQ(4896, TrifectaIndex("18-17-16"));
    EXPECT_EQ("10- 1- 2", TrifectaByIndex(2449));
    EXPECT_EQ("18-17-16", TrifectaByIndex(kTrifectaCount));
}

TEST(TrifectaNumbering, EveryIndexRoundTripsThroughItsText) {
    for (int index = 1; index <= kTrifectaCount; ++index) {
        std::string text = TrifectaByIndex(index);
        ASSERT_EQ(8u, text.size()) << index;
        int a, b, c;
        ReadNumbers(text, a, b, c);
        EXPECT_TRUE(a != b && b != c && a != c) << text;
        EXPECT_EQ(ClosedFormTrifectaIndex(a, b, c), index) << text;
        EXPECT_EQ(index, TrifectaIndex(text));
    }
}

TEST(CombinationNumbering, TextsNotExactlyInTheTablesGiveZero) {
    const std::vector<std::string> neither = {
        "",         "19",       " 0",       "1- 2- 3",  "1-2-3",    " 1- 2- 3 ",
        "01-02-03", " 1/ 2/ 3", " 1  2  3", " 1- 2-19", " 0- 1- 2", " 1- 2- 0",
        " 1- 1- 2", " 2- 1- 2", " 5- 5- 5", "19-18-17", " 1- 2-1 ", "1 - 2- 3"};
    for (const std::string& text : neither) {
        EXPECT_EQ(0, TrioIndex(text)) << '[' << text << ']';
        EXPECT_EQ(0, TrifectaIndex(text)) << '[' << text << ']';
    }
    // A nine-byte text with an embedded NUL must not match on its first eight bytes.
    EXPECT_EQ(0, TrioIndex(std::string_view(" 1- 2- 3\0", 9)));
    // Finishing order is a trifecta, never a trio.
    EXPECT_EQ(0, TrioIndex(" 3- 2- 1"));
    EXPECT_EQ(0, TrioIndex(" 1- 3- 2"));
    EXPECT_EQ(ClosedFormTrifectaIndex(3, 2, 1), TrifectaIndex(" 3- 2- 1"));
}

TEST(CombinationNumbering, IndicesOutsideTheTablesGiveEightSpaces) {
    for (int index : {-1, 0, kTrioCount + 1})
        EXPECT_EQ("        ", TrioByIndex(index)) << index;
    for (int index : {0, kTrifectaCount + 1})
        EXPECT_EQ("        ", TrifectaByIndex(index)) << index;
}

// Brackets written out for one field size: the first horses one to a bracket, the last
// 2 × (n − 8) two to a bracket up to 8.
std::vector<int> BracketsOfMidSizeField(int n) {
    std::vector<int> brackets;
    int single = 16 - n;
    for (int u = 1; u <= single; ++u)
        brackets.push_back(u);
    for (int bracket = single + 1; bracket <= 8; ++bracket) {
        brackets.push_back(bracket);
        brackets.push_back(bracket);
    }
    return brackets;
}

std::vector<int> BracketsOf(int n) {
    std::vector<int> brackets;
    for (int u = 1; u <= n; ++u)
        brackets.push_back(BracketOf(n, u));
    return brackets;
}

TEST(BracketOf, EveryFieldSize) {
    for (int n = 1; n <= 8; ++n) {
        std::vector<int> own;
        for (int u = 1; u <= n; ++u)
            own.push_back(u);
        EXPECT_EQ(own, BracketsOf(n)) << "field of " << n;
    }
    for (int n = 9; n <= 16; ++n) {
        ASSERT_EQ(static_cast<size_t>(n), BracketsOfMidSizeField(n).size());
        EXPECT_EQ(BracketsOfMidSizeField(n), BracketsOf(n)) << "field of " << n;
    }
    EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5, 6, 7, 7, 8, 8}), BracketsOf(10));
    EXPECT_EQ((std::vector<int>{1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8}), BracketsOf(16));
    EXPECT_EQ((std::vector<int>{1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 8}),
              BracketsOf(17));
    EXPECT_EQ((std::vector<int>{1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 7, 8, 8, 8}),
              BracketsOf(18));
}

TEST(BracketOf, ListedHorses) {
    EXPECT_EQ(7, BracketOf(18, 15));
    EXPECT_EQ(8, BracketOf(17, 15));
    EXPECT_EQ(4, BracketOf(12, 4));
    EXPECT_EQ(5, BracketOf(12, 5));
    EXPECT_EQ(5, BracketOf(12, 6));
}

TEST(BracketOf, HorsesOutsideTheFieldHaveNoBracket) {
    // A blank field size with horse 18 would otherwise come out as bracket 17.
    const std::pair<int, int> outside[] = {{0, 18}, {0, 1},   {8, 9},  {10, 14}, {17, 18},
                                           {18, 0}, {18, 19}, {19, 1}, {-5, -5}};
    for (auto [n, u] : outside)
        EXPECT_EQ(0, BracketOf(n, u)) << n << ' ' << u;
}

TEST(BracketPairIndex, OrderOfTheOddsRecord) {
    EXPECT_EQ(1, BracketPairIndex(1, 1));
    EXPECT_EQ(2, BracketPairIndex(1, 2));
    EXPECT_EQ(8, BracketPairIndex(1, 8));
    EXPECT_EQ(9, BracketPairIndex(2, 2));
    EXPECT_EQ(36, BracketPairIndex(8, 8));
    EXPECT_EQ(0, BracketPairIndex(2, 1));
    EXPECT_EQ(0, BracketPairIndex(0, 3));
    EXPECT_EQ(0, BracketPairIndex(3, 9));
}

}  // namespace
}  // namespace kagiroi
