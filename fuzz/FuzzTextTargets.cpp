// Targets for the readers of outside text: the settings file and the folder feed.
#include "FuzzDriver.h"
#include "FuzzSeeds.h"
#include "FuzzTargets.h"

#include "datalink/FolderFeedJvLink.h"
#include "datalink/JvRecordKinds.h"
#include "datalink/JvTestReading.h"
#include "platform/FileSystem.h"
#include "platform/IniFile.h"
#include "platform/SettingsFile.h"
#include "records/LossLedger.h"

namespace kagiroi::fuzz {

namespace {

std::string Shown(const std::optional<std::string>& value) {
    return value ? "\"" + *value + "\"" : "(none)";
}

// A write of one key reads back, and changes no other key.
void CheckSettings(const std::string& input) {
    IniText ini(input);
    auto before = ini.Get("locate", "top");
    if (before) UnwrapSettingText(*before);
    ini.Set("FuzzSection", "FuzzKey", "value=1");
    IniText again(ini.Text());
    if (again.Get("FuzzSection", "FuzzKey") != std::optional<std::string>("value=1"))
        Fail("a written key does not read back: " + Shown(again.Get("FuzzSection", "FuzzKey")));
    if (again.Get("locate", "top") != before)
        Fail("a write changed another key: " + Shown(before) + " became " +
             Shown(again.Get("locate", "top")));
}

std::vector<std::string> SettingsSeeds() {
    return {"[locate]\r\ntop=10\r\nleft=10\r\n[Dir]\r\nHibariTohyo2=\xA2 C:/x \xA3\r\n",
            "[Time]\r\nAutoOzGet=0x10\r\n; note\r\n[JvDataGet]\r\nLastTime=2024/01/06 09:00:00\r\n",
            "[locate]\ntop=\"\"\n[KaimeSet]\nDefaultAmount=3000"};
}

// Every record the feed hands out is one whole record of its kind, ending in its CR LF.
void CheckFolderFeed(const std::string& input) {
    std::string folder = WorkFolder("feed");
    if (!WriteFileAtomic(JoinPath(folder, "records.txt"), input)) Fail("cannot write the feed");
    FolderFeedJvLink feed(folder);
    if (feed.JVInit("KAGIROI") != 0) Fail("the feed does not start");
    test::JvDownload download = test::Download(feed, "20000101000000");
    for (const auto& item : download.reading.records) {
        const std::string& r = item.record;
        int length = JvRecordLength(r.substr(0, 2));
        if (length == 0 || r.size() != static_cast<size_t>(length))
            Fail("a served record of the wrong length: " + r.substr(0, 2));
        if (r.find_first_of("\r\n") != r.size() - 2) Fail("a served record holds a line break");
    }
}

std::vector<std::string> FeedSeeds() {
    std::vector<std::string> seeds;
    std::string text;
    for (const auto& r : DemoRecords()) {
        if (r.size() > 20000) continue;  // the large odds records make a slow seed
        text += r;
        if (text.size() > 40000) {
            seeds.push_back(text);
            text.clear();
        }
        if (seeds.size() >= 8) break;
    }
    if (!text.empty()) seeds.push_back(text);
    return seeds;
}

// A ledger read, saved and read again holds the same entries; its total never overflows.
void CheckLedger(const std::string& input) {
    std::string path = JoinPath(WorkFolder("ledger"), "ruison.csv");
    if (!WriteFileAtomic(path, input)) Fail("cannot write the ledger");
    LossLedger first(path);
    first.Load();
    (void)first.CumulativeLoss();
    if (!first.Save()) return;
    LossLedger again(path);
    again.Load();
    std::vector<LossEntry> before = first.Entries(), after = again.Entries();
    if (after.size() != before.size())
        Fail("a saved ledger reads back with another number of entries");
    for (size_t i = 0; i < before.size(); ++i) {
        const LossEntry& a = before[i];
        const LossEntry& b = after[i];
        if (a.number != b.number || a.race != b.race || a.betType != b.betType ||
            a.amount != b.amount)
            Fail("a saved ledger entry reads back changed: " + a.race);
    }
}

std::vector<std::string> LedgerSeeds() {
    return {
        "\" 1\",\"2009/03/15R11R\",\"trio\",\"   3000\"\r\n"
        "\" 2\",\"2009/03/15R12R\",\"trifecta\",\"  -1200\"\r\n",
        "\"1\",\"a,b\",\"c\",\"99999999999999999999\"\n\"2\"\r\n"};
}

}  // namespace

std::vector<FuzzTarget> TextTargets() {
    return {{"settings", SettingsSeeds, CheckSettings},
            {"folder-feed", FeedSeeds, CheckFolderFeed},
            {"ledger", LedgerSeeds, CheckLedger}};
}

}  // namespace kagiroi::fuzz
