// Targets for the readers of outside text: the settings file, the folder feed, the ledger and
// a mail server's replies.
#include "FuzzDriver.h"
#include "FuzzSeeds.h"
#include "FuzzTargets.h"

#include "datalink/FolderFeedJvLink.h"
#include "datalink/JvRecordKinds.h"
#include "datalink/JvTestReading.h"
#include "mail/SmtpReply.h"
#include "platform/FileSystem.h"
#include "platform/IniFile.h"
#include "platform/SettingsFile.h"
#include "records/LossLedger.h"
#include "records/VoteJournal.h"

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

// A vote added to any record keeps the record's bytes before it, reads back as the last vote,
// and its return never pays more than its tickets could.
void CheckVoteJournal(const std::string& input) {
    std::string path = JoinPath(WorkFolder("journal"), "tohyokiroku.csv");
    if (!WriteFileAtomic(path, input)) Fail("cannot write the vote record");
    JournalRead before = ReadVoteJournal(path);
    Vote vote{"2009/03/15 15:20:05", "2009031506020811", "2009/03/15R11R",
              BetType::Trio,         VoteRoute::Plugin,  {{" 1- 2- 3", 500, "12.5"}}};
    if (!AppendVote(path, vote, nullptr)) Fail("a readable vote record refused a vote");
    std::string after = ReadWholeFile(path).value_or("");
    if (after.compare(0, input.size(), input) != 0) Fail("a vote changed the record before it");
    JournalRead read = ReadVoteJournal(path);
    if (read.votes.empty() || read.votes.back().tickets.back().combination != " 1- 2- 3")
        Fail("the vote added does not read back last");
    if (read.votes.size() < before.votes.size()) Fail("a vote added lost votes before it");
    for (const Vote& v : read.votes)
        if (ReturnOfVote(v, "").settled) Fail("a vote without payouts reads as settled");
    (void)JournalTable(
        SummariseJournal(read.votes, "", "", [](const std::string&) { return std::string(); }));
}

std::vector<std::string> VoteJournalSeeds() {
    return {
        "\"2009/03/15 15:20:05\",\"2009031506020811\",\"2009/03/15R11R\",\"SANFUKU\","
        "\"PLUGIN\",\" 2- 5- 9\",\"500\",\"12.5\"\r\n",
        "\"a\",\"1\"\r\n\"2009/03/15 15:20:05\",\"2009031506020811\",\"x\",\"SANTAN\",\"COPY\","
        "\" 1- 2- 3\",\"99999999999\",\"\"\r\nno line end"};
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// One reply taken at `at` of the stream: it holds the bytes that came there and nothing else,
// ends at a line end within the longest, has a code only when it starts with three digits and
// continues only over "ddd-" lines. A reply that does not end within the longest is cut to
// that length with no code, and the buffer drops what it held: false then.
bool CheckReply(const SmtpReply& reply, std::string_view stream, size_t& at, size_t longest) {
    const std::string& text = reply.text;
    const std::string_view rest = stream.substr(at);
    if (text.size() > longest) Fail("a reply longer than the longest");
    if (rest.substr(0, text.size()) != text) Fail("a reply holds bytes that never came");
    const std::string_view after = rest.substr(text.size());
    const size_t end = after.starts_with("\n")     ? text.size() + 1
                       : after.starts_with("\r\n") ? text.size() + 2
                                                   : 0;
    if (end == 0 || end > longest) {
        if (reply.code != 0 || text.size() != longest || rest.size() <= longest)
            Fail("a reply cut that was not too long, or cut with a code");
        return false;
    }
    const bool coded = text.size() >= 3 && IsDigit(text[0]) && IsDigit(text[1]) && IsDigit(text[2]);
    if (reply.code != (coded ? std::stoi(text.substr(0, 3)) : 0))
        Fail("a reply code that is not its first three digits: " + std::to_string(reply.code));
    for (size_t line = 0, next; (next = text.find('\n', line)) != std::string::npos;
         line = next + 1)
        if (next - line < 4 || !IsDigit(text[line]) || text[line + 3] != '-')
            Fail("a reply goes on past its last line");
    at += end;
    return true;
}

// The first two bytes choose the receive size and the longest reply, the rest is what the
// server sent. The replies are the same whether the bytes come at once or in pieces.
void CheckSmtpReplies(const std::string& input) {
    if (input.size() < 2) return;
    const size_t piece = 1 + static_cast<unsigned char>(input[0]) % 64;
    // Up to what a cut reply shows, so that a cut reply is all of its start.
    const size_t longest = 16 + static_cast<unsigned char>(input[1]);
    const std::string_view stream = std::string_view(input).substr(2);
    SmtpReplyBuffer whole(longest), pieces(longest);
    whole.Add(stream);
    size_t fed = 0, at = 0;
    for (;;) {
        std::optional<SmtpReply> reply = pieces.Take();
        for (; !reply && fed < stream.size(); fed += piece) {
            pieces.Add(stream.substr(fed, piece));
            reply = pieces.Take();
        }
        const std::optional<SmtpReply> once = whole.Take();
        if (reply.has_value() != once.has_value() ||
            (reply && (reply->code != once->code || reply->text != once->text)))
            Fail("the replies depend on how the bytes arrived");
        if (!reply) break;
        if (!CheckReply(*reply, stream, at, longest)) return;
    }
    if (pieces.Empty() != (at == stream.size())) Fail("the buffer lost or kept bytes");
}

std::vector<std::string> SmtpReplySeeds() {
    return {
        "\x07\xff"
        "220 mail.example.jp ESMTP\r\n250-mail.example.jp\r\n250-AUTH LOGIN PLAIN\r\n"
        "250-STARTTLS\r\n250 SIZE 10240000\r\n334 VXNlcm5hbWU6\r\n235 2.7.0 ok\r\n",
        "\x00\x20"
        "220 go ahead\r\n250 INJECTED\r\n221 bye\n354 go\r\r\n250\r\n",
        "\x03\x04"
        "250-first\r\n250-second\r\n250-third line that runs longer than the rest\r\n"
        "250 end\r\nnot a reply\r\n5x0 odd\r\n",
        "\x3f\x00"
        "220-" +
            std::string(200, 'x') + "\r\n220 " + std::string(40, 'y') + "\r\n421 closing"};
}

}  // namespace

std::vector<FuzzTarget> TextTargets() {
    return {{"settings", SettingsSeeds, CheckSettings},
            {"folder-feed", FeedSeeds, CheckFolderFeed},
            {"ledger", LedgerSeeds, CheckLedger},
            {"vote-record", VoteJournalSeeds, CheckVoteJournal},
            {"smtp-replies", SmtpReplySeeds, CheckSmtpReplies}};
}

}  // namespace kagiroi::fuzz
