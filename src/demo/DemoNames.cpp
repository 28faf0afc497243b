#include "demo/DemoNames.h"

#include <array>
#include <string_view>

namespace kagiroi {

namespace {

constexpr std::array<std::string_view, 40> kNameHeads = {
    "カゼ",   "ソラ",   "ヒカリ",   "ホシ",     "ミライ", "ハヤテ", "アサヒ",   "ユメ",
    "ツキ",   "ハナ",   "シズク",   "コハク",   "アカネ", "ルリ",   "ギンガ",   "サザナミ",
    "ヒビキ", "ミナモ", "トキワ",   "ヤマト",   "アオバ", "イブキ", "カナタ",   "ナギ",
    "スバル", "ミカゲ", "シラユキ", "クレナイ", "ウララ", "ホムラ", "セイラン", "ヒスイ",
    "ノゾミ", "カグラ", "サクヤ",   "ミズホ",   "アマネ", "ハルカ", "タカネ",   "ユウナギ"};

constexpr std::array<std::string_view, 36> kNameTails = {
    "ランナー", "スター", "ブレイブ", "ウイング",   "ダンサー", "ボルト", "キング", "クイーン",
    "ロード",   "ソング", "ドリーム", "フラッシュ", "ムーン",   "サン",   "アロー", "ハート",
    "エース",   "ノヴァ", "ルーク",   "オーラ",     "ジョイ",   "ビート", "クロス", "ライト",
    "ガール",   "ボーイ", "テイル",   "ワルツ",     "ブリーズ", "シチー", "マーチ", "パレード",
    "ミスト",   "ロマン", "リズム",   "ジェット"};

constexpr std::array<std::string_view, kDemoJockeyCount> kJockeys = {
    "青木健", "石田誠", "上野亮", "岡本翔", "加藤純", "川口大", "北村光", "工藤蓮",
    "小林悠", "斉藤匠", "坂本勇", "佐野拓", "柴田航", "杉山颯", "高木陸", "田村湊",
    "千葉樹", "土屋晴", "徳田岳", "中西司", "長尾駿", "西岡律", "野口隼", "橋本歩",
    "浜田弦", "平野凌", "福田輝", "藤井仁", "星野迅", "前田航", "松井渉", "丸山剛",
    "三浦駆", "宮本海", "村上澪", "森田俊", "山内旭", "山下崇", "吉岡颯", "若林奏"};

constexpr std::array<std::string_view, 12> kSeasonWords = {"寒梅", "白梅",   "弥生", "若葉",
                                                           "青葉", "紫陽花", "朝顔", "晩夏",
                                                           "秋桜", "紅葉",   "初霜", "師走"};

constexpr std::array<std::string_view, 12> kPlaceWords = {
    "春望", "朱雀", "白鷺", "飛鳥", "鳳凰", "青龍", "玄武", "白虎", "北斗", "銀河", "天空", "彗星"};

constexpr std::array<std::string_view, 5> kSpecialSuffixes = {"ステークス", "特別", "賞", "カップ",
                                                              "ハンデキャップ"};

constexpr std::array<std::string_view, 3> kGradedSuffixes = {"記念", "ステークス", "カップ"};

template <size_t N>
std::string_view Pick(DemoRandom& random, const std::array<std::string_view, N>& list) {
    return list[static_cast<size_t>(random.Between(0, static_cast<int>(N) - 1))];
}

constexpr size_t kWideBytes = 2;
constexpr size_t kMaxHorseNameBytes = 9 * kWideBytes;

}  // namespace

std::string DemoHorseName(DemoRandom& random) {
    for (;;) {
        std::string name =
            std::string(Pick(random, kNameHeads)) + std::string(Pick(random, kNameTails));
        if (name.size() <= kMaxHorseNameBytes) return name;
    }
}

std::string DemoJockeyName(int jockey) {
    std::string name(kJockeys[static_cast<size_t>(jockey % kDemoJockeyCount)]);
    while (name.size() < 4 * kWideBytes)
        name += "　";
    return name;
}

std::string DemoSpecialRaceName(DemoRandom& random, int month) {
    std::string_view word = random.Chance(0.5) ? kSeasonWords[static_cast<size_t>(month - 1)]
                                               : Pick(random, kPlaceWords);
    return std::string(word) + std::string(Pick(random, kSpecialSuffixes));
}

std::string DemoGradedRaceName(DemoRandom& random, int month) {
    std::string_view word = kPlaceWords[static_cast<size_t>(month - 1)];
    return std::string(word) + std::string(Pick(random, kGradedSuffixes));
}

}  // namespace kagiroi
