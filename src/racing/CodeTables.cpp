#include "platform/TextField.h"
#include "racing/CodeLookup.h"
#include "racing/KeibaFunc.h"

namespace kagiroi {

namespace {

// Eight full-width characters each: the race header lays the labels out side by side.
constexpr CodeLabel kRaceTypes[] = {
    {"11", "サラ系２歳　　　"}, {"12", "サラ系３歳　　　"}, {"13", "サラ系３歳以上　"},
    {"14", "サラ系４歳以上　"}, {"18", "サラ障害３歳以上"}, {"19", "サラ障害４歳以上"},
    {"21", "アラブ系２歳　　"}, {"22", "アラブ系３歳　　"}, {"23", "アラブ系３歳以上"},
    {"24", "アラブ系４歳以上"},
};
constexpr std::string_view kNoRaceType = "　　　　　　　　";

constexpr CodeLabel kGrades[] = {
    {"A", "G1   "}, {"B", "G2   "}, {"C", "G3   "}, {"D", "重賞 "}, {"E", "特別 "},
    {"F", "JG1  "}, {"G", "JG2  "}, {"H", "JG3  "}, {"L", "List "},
};
constexpr std::string_view kNoGrade = "　　 ";

constexpr CodeLabel kWeightTypes[] = {
    {"1", "ﾊﾝﾃﾞ"},
    {"2", "別定"},
    {"3", "馬齢"},
    {"4", "定量"},
};

constexpr ValueLabel kWeekdays[] = {
    {0, "　"}, {1, "土"}, {2, "日"}, {3, "祝"}, {4, "月"},
    {5, "火"}, {6, "水"}, {7, "木"}, {8, "金"},
};

constexpr CodeLabel kWeathers[] = {
    {"1", "晴"}, {"2", "曇"}, {"3", "雨"}, {"4", "小雨"}, {"5", "雪"}, {"6", "小雪"},
};

constexpr CodeLabel kTurfGoings[] = {
    {"1", "芝:良"},
    {"2", "芝:稍重"},
    {"3", "芝:重"},
    {"4", "芝:不良"},
};
constexpr CodeLabel kDirtGoings[] = {
    {"1", "ダ:良"},
    {"2", "ダ:稍重"},
    {"3", "ダ:重"},
    {"4", "ダ:不良"},
};

constexpr CodeLabel kSexes[] = {
    {"1", "牡"},
    {"2", "牝"},
    {"3", "ｾﾝ"},
};

// The long form goes into the race header, the short one into the statistics export.
struct TrackRow {
    int value;
    std::string_view label;
    std::string_view shortLabel;
};

constexpr TrackRow kTracks[] = {
    {10, "芝 直線", "芝直"},
    {11, "芝 左回り", "芝左"},
    {12, "芝 左回り 外回り", "芝左"},
    {13, "芝 左回り 内→外回り", "芝左"},
    {14, "芝 左回り 外→内回り", "芝左"},
    {15, "芝 左回り 内２周", "芝左"},
    {16, "芝 左回り 外２周", "芝左"},
    {17, "芝 右回り", "芝右"},
    {18, "芝 右回り 外回り", "芝右"},
    {19, "芝 右回り 内→外回り", "芝右"},
    {20, "芝 右回り 外→内回り", "芝右"},
    {21, "芝 右回り 内２周", "芝右"},
    {22, "芝 右回り 外２周", "芝右"},
    {23, "ﾀﾞｰﾄ 左回り", "ダ左"},
    {24, "ﾀﾞｰﾄ 右回り", "ダ右"},
    {25, "ﾀﾞｰﾄ 左回り 内回り", ""},
    {26, "ﾀﾞｰﾄ 右回り 外回り", ""},
    {27, "ｻﾝﾄﾞ 左回り", ""},
    {28, "ｻﾝﾄﾞ 右回り", ""},
    {29, "ﾀﾞｰﾄ 直線", "ダ直"},
    {51, "障害 芝　襷", "障害"},
    {52, "障害 芝→ﾀﾞｰﾄ", "障害"},
    {53, "障害 芝　左", "障害"},
    {54, "障害 芝", "障害"},
    {55, "障害 芝 外回り", "障害"},
    {56, "障害 芝 外→内回り", "障害"},
    {57, "障害 芝 内→外回り", "障害"},
    {58, "障害 内２周", "障害"},
    {59, "障害 外２周", "障害"},
};

const TrackRow* FindTrack(std::string_view code) {
    int value = ToInt(code);
    for (const TrackRow& row : kTracks)
        if (row.value == value) return &row;
    return nullptr;
}

}  // namespace

std::string RaceTypeLabel(std::string_view code) {
    return std::string(LookUpCode(kRaceTypes, code, kNoRaceType));
}

std::string GradeLabel(std::string_view code) {
    return std::string(LookUpCode(kGrades, code, kNoGrade));
}

std::string WeightTypeLabel(std::string_view code) {
    return std::string(LookUpCode(kWeightTypes, code));
}

std::string WeekdayLabel(std::string_view code) {
    return std::string(LookUpValue(kWeekdays, code));
}

std::string WeatherLabel(std::string_view code) {
    return std::string(LookUpCode(kWeathers, code));
}

std::string GoingLabel(std::string_view code, int surface) {
    if (surface == 1) return std::string(LookUpCode(kTurfGoings, code));
    if (surface == 2) return std::string(LookUpCode(kDirtGoings, code));
    return {};
}

std::string SexLabel(std::string_view code) {
    return std::string(LookUpCode(kSexes, code));
}

std::string TrackLabel(std::string_view code) {
    const TrackRow* row = FindTrack(code);
    return row ? std::string(row->label) : std::string();
}

std::string TrackShortLabel(std::string_view code) {
    const TrackRow* row = FindTrack(code);
    return row ? std::string(row->shortLabel) : std::string();
}

}  // namespace kagiroi
