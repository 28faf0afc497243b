#include "platform/Format.h"
#include "platform/SettingsTable.h"
#include "racing/KeibaFunc.h"

#include <array>

namespace kagiroi {

// The popularity rank shown for a bet type reaches its last combination.
static_assert(setting::kTrioFavourite.maximum == kTrioCount);
static_assert(setting::kTrifectaFavourite.maximum == kTrifectaCount);

namespace {

constexpr int kHorses = 18;

// The combination texts in index order, built once.
struct CombinationTables {
    std::array<std::string, kTrioCount + 1> trio;
    std::array<std::string, kTrifectaCount + 1> trifecta;
    // Index by (a, b, c) horse numbers 1..18; 0 where the triple is not a combination.
    std::array<std::array<std::array<short, kHorses + 1>, kHorses + 1>, kHorses + 1> trioIndex{};
    std::array<std::array<std::array<short, kHorses + 1>, kHorses + 1>, kHorses + 1>
        trifectaIndex{};

    CombinationTables() {
        int n = 0;
        for (int i = 1; i <= kHorses; ++i)
            for (int j = i + 1; j <= kHorses; ++j)
                for (int k = j + 1; k <= kHorses; ++k) {
                    trio[static_cast<size_t>(++n)] = CombinationText(i, j, k);
                    trioIndex[i][j][k] = static_cast<short>(n);
                }
        n = 0;
        for (int a = 1; a <= kHorses; ++a)
            for (int b = 1; b <= kHorses; ++b)
                for (int c = 1; c <= kHorses; ++c) {
                    if (a == b || b == c || a == c) continue;
                    trifecta[static_cast<size_t>(++n)] = CombinationText(a, b, c);
                    trifectaIndex[a][b][c] = static_cast<short>(n);
                }
    }
};

const CombinationTables& Tables() {
    static const CombinationTables tables;
    return tables;
}

// Reads one "%2d" horse number: " 1".."18", with the leading blank required below 10.
int ReadHorse(char tens, char units) {
    if (units < '0' || units > '9') return 0;
    int u = units - '0';
    if (tens == ' ') return u >= 1 ? u : 0;
    if (tens != '1' || u > 8) return 0;
    return 10 + u;
}

// The three numbers of an exact eight-character combination text, or false.
bool ParseTriple(std::string_view text, int& a, int& b, int& c) {
    if (text.size() != 8 || text[2] != '-' || text[5] != '-') return false;
    a = ReadHorse(text[0], text[1]);
    b = ReadHorse(text[3], text[4]);
    c = ReadHorse(text[6], text[7]);
    return a > 0 && b > 0 && c > 0;
}

}  // namespace

std::string CombinationText(int first, int second) {
    return Format("%2d-%2d", first, second);
}

std::string CombinationText(int first, int second, int third) {
    return Format("%2d-%2d-%2d", first, second, third);
}

int TrioIndex(std::string_view text) {
    int a, b, c;
    if (!ParseTriple(text, a, b, c)) return 0;
    return Tables().trioIndex[a][b][c];
}

std::string TrioByIndex(int index) {
    if (index < 1 || index > kTrioCount) return std::string(8, ' ');
    return Tables().trio[static_cast<size_t>(index)];
}

int TrifectaIndex(std::string_view text) {
    int a, b, c;
    if (!ParseTriple(text, a, b, c)) return 0;
    return Tables().trifectaIndex[a][b][c];
}

std::string TrifectaByIndex(int index) {
    if (index < 1 || index > kTrifectaCount) return std::string(8, ' ');
    return Tables().trifecta[static_cast<size_t>(index)];
}

int BracketOf(int fieldSize, int horse) {
    // Outside a real field the formulas below give brackets beyond 8 (a blank field size with
    // horse 18 gives 17), which would index past any per-bracket array: 0 instead.
    if (fieldSize < 1 || fieldSize > kHorses || horse < 1 || horse > fieldSize) return 0;
    int n = fieldSize, u = horse;
    if (n > 16) {
        int c = 8 - ((16 - u) / 2);
        if (u > 16) c -= 1;
        if (u == 15 && n == 18) c -= 1;
        if (u == 17) c += 1;
        return c;
    }
    int b = (n - u) / 2;
    if (b < n - 8) return 8 - b;
    return u;
}

int BracketPairIndex(int first, int second) {
    if (first < 1 || second < first || second > 8) return 0;
    int index = 0;
    for (int x = 1; x < first; ++x)
        index += 9 - x;
    return index + (second - first + 1);
}

}  // namespace kagiroi
