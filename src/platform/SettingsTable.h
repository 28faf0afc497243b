#pragma once

#include "platform/SettingsFile.h"

#include <string>

namespace kagiroi {

// An integer key of the settings file with its default and the range every read keeps to.
struct IntSetting {
    const char* section;
    const char* key;
    int fallback;
    int minimum;
    int maximum;
};

// A text key; the default is the one read back when the key is missing.
struct TextSetting {
    const char* section;
    const char* key;
    const char* fallback;
};

// A decimal key, held like an integer one.
struct DecimalSetting {
    const char* section;
    const char* key;
    double fallback;
    double minimum;
    double maximum;
};

// The stored value held to the entry's range; a missing or unreadable value gives the default.
int ReadIntSetting(const SettingsFile& settings, const IntSetting& setting);
// For keys whose default is known only at run time (a size on screen).
int ReadIntSetting(const SettingsFile& settings, const IntSetting& setting, int fallback);
// Writes the value held to the entry's range.
bool WriteIntSetting(SettingsFile& settings, const IntSetting& setting, int value);
int ClampToSetting(const IntSetting& setting, int value);

// A missing value or one that is not a decimal gives the default; others are held to the range.
double ReadDecimalSetting(const SettingsFile& settings, const DecimalSetting& setting);
// Written as "%.2f" of the value held to the range.
bool WriteDecimalSetting(SettingsFile& settings, const DecimalSetting& setting, double value);
double ClampToSetting(const DecimalSetting& setting, double value);

std::string ReadTextSetting(const SettingsFile& settings, const TextSetting& setting);
// For keys whose default is known only at run time (a folder, a date).
std::string ReadTextSetting(const SettingsFile& settings, const TextSetting& setting,
                            const std::string& fallback);
bool WriteTextSetting(SettingsFile& settings, const TextSetting& setting, const std::string& value);

// Every key of the program's settings file.
namespace setting {

// Window positions: 16-bit screen coordinates; a stored position off every screen is the
// window's to bring back.
inline constexpr int kMinCoordinate = -32768, kMaxCoordinate = 32767;
inline constexpr IntSetting kWindowTop{"locate", "top", 10, kMinCoordinate, kMaxCoordinate};
inline constexpr IntSetting kWindowLeft{"locate", "left", 10, kMinCoordinate, kMaxCoordinate};
// The first start's size shows the analysis page whole on a 1366x768 screen; a smaller
// screen shrinks it to fit.
inline constexpr IntSetting kWindowWidth{"locate", "width", 1280, 0, kMaxCoordinate};
inline constexpr IntSetting kWindowHeight{"locate", "height", 720, 0, kMaxCoordinate};
inline constexpr IntSetting kWindowMaximized{"locate", "maximized", 0, 0, 1};
inline constexpr IntSetting kLossTop{"Losslocate", "top", 50, kMinCoordinate, kMaxCoordinate};
inline constexpr IntSetting kLossLeft{"Losslocate", "left", 600, kMinCoordinate, kMaxCoordinate};
inline constexpr IntSetting kPrintTop{"Printlocate", "top", 10, kMinCoordinate, kMaxCoordinate};
inline constexpr IntSetting kPrintLeft{"Printlocate", "left", 10, kMinCoordinate, kMaxCoordinate};
inline constexpr IntSetting kPrintWidth{"Printlocate", "width", 630, 0, kMaxCoordinate};
inline constexpr IntSetting kPrintHeight{"Printlocate", "height", 450, 0, kMaxCoordinate};
// The item of the print preview's 倍率: 0 to 3 for 25, 50, 75 and 100 %.
inline constexpr IntSetting kPrintZoom{"PrintZoom", "ratio", 1, 0, 3};
// The height in pixels of the analysis page's upper pane; its default is half the page.
inline constexpr IntSetting kAnalysisSplit{"Layout", "AnalysisSplit", 0, 0, kMaxCoordinate};

// External folders; "kaime" and "jikeiretu" fall back to the program's folder where they are
// used.
inline constexpr TextSetting kPluginFolder{"Dir", "HibariTohyo2", ""};
inline constexpr TextSetting kOldPluginFolder{"Dir", "HibariTohyo", ""};
inline constexpr TextSetting kTimeSeriesFolder{"Dir", "jikeiretu", ""};
inline constexpr TextSetting kVoteFileFolder{"Dir", "kaime", ""};

// "yyyy/mm/dd hh:nn:ss" of the newest downloaded data; missing means fourteen days ago.
inline constexpr TextSetting kLastDownload{"JvDataGet", "LastTime", ""};
// Where the data come from: "demo", "component" (the installed data-service component) or a
// folder of raw records.
inline constexpr TextSetting kDataSource{"JvLink", "Source", "demo"};

// Minutes of the automatic fetch schedule, in the ranges of their dialog.
inline constexpr IntSetting kOddsMinutesBefore{"Time", "AutoOzGet", 10, 3, 59};
inline constexpr IntSetting kResultsInterval{"Time", "AutoRdataGet", 10, 5, 59};
inline constexpr IntSetting kHorseWeightMinutes{"Time", "AutoBataijuGet", 37, 2, 59};
// 0 turns the change-information fetch off; at most a day.
inline constexpr IntSetting kChangeInterval{"Henko", "GetInterval", 5, 0, 1440};

// Allocation mode 0 均等, 1 比例 or 2 ケリー, and the amounts of six digits at most.
inline constexpr int kMaxSixDigits = 999999;
inline constexpr IntSetting kAllocationMode{"KaimeSet", "HaibunSet", 1, 0, 2};
// The part of the full Kelly stake that ケリー takes, percent.
inline constexpr IntSetting kKellyPercent{"KaimeSet", "KellyPercent", 25, 1, 100};
// The money ケリー stakes a part of, yen (the amount box is the race's stake of the other modes).
inline constexpr IntSetting kBankroll{"KaimeSet", "Bankroll", 100000, 0, 99999999};
inline constexpr IntSetting kDefaultAmount{"KaimeSet", "DefaultAmount", 3000, 0, kMaxSixDigits};
inline constexpr IntSetting kIncreasePercent{"KaimeSet", "DefaultZogaku", 100, 0, kMaxSixDigits};
inline constexpr IntSetting kTargetProfit{"KaimeSet", "DefaultTarProfit", 10000, 0, kMaxSixDigits};
// 追い上げ投資を使う: 1 shows the progression panel, the 損失メモ button and the investment
// dialog's progression part.
inline constexpr IntSetting kProgressionOffered{"KaimeSet", "UseProgression", 0, 0, 1};

// The powers of the chances model (α, λ, τ).
inline constexpr DecimalSetting kModelAlpha{"Model", "Alpha", 1.0, 0.3, 2.0};
inline constexpr DecimalSetting kModelLambda{"Model", "Lambda", 1.0, 0.3, 2.0};
inline constexpr DecimalSetting kModelTau{"Model", "Tau", 1.0, 0.3, 2.0};

// The popularity rank shown for trio (1..816) and trifecta (1..4896).
inline constexpr IntSetting kTrioFavourite{"Nin100", "SRF", 100, 1, 816};
inline constexpr IntSetting kTrifectaFavourite{"Nin100", "SRT", 100, 1, 4896};

// The race-strength bounds, win odds as decimal texts.
inline constexpr TextSetting kStrong1First{"Race1Strong", "1nin", "2.0"};
inline constexpr TextSetting kStrong1Second{"Race1Strong", "2nin", "7.0"};
inline constexpr TextSetting kStrong2Second{"Race2Strong", "2nin", "4.0"};
inline constexpr TextSetting kStrong2Third{"Race2Strong", "3nin", "10.0"};
inline constexpr TextSetting kStrong3Third{"Race3Strong", "3nin", "8.0"};
inline constexpr TextSetting kStrong3Fourth{"Race3Strong", "4nin", "12.0"};

// The mail settings, kept as typed (the port too: the dialog writes each keystroke).
inline constexpr TextSetting kMailTo{"MailSet", "MailTo", ""};
inline constexpr TextSetting kMailFrom{"MailSet", "MailFrom", ""};
inline constexpr TextSetting kSmtpServer{"MailSet", "SMTP", ""};
inline constexpr TextSetting kSmtpUser{"MailSet", "UserID", ""};
inline constexpr TextSetting kSmtpPassword{"MailSet", "Pass", ""};
inline constexpr TextSetting kSmtpPort{"MailSet", "SMTPPort", "25"};
// The number of the 暗号化 choice; empty: chosen by the port.
inline constexpr TextSetting kMailSecurity{"MailSet", "Security", ""};

}  // namespace setting

}  // namespace kagiroi
