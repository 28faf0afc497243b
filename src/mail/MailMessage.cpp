#include "mail/MailMessage.h"

#include "platform/Format.h"
#include "platform/TextField.h"

#include <cstdint>
#include <ctime>

namespace kagiroi {
namespace {

constexpr const char* kDayNames[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr const char* kMonthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr const char* kPriorityNames[] = {"Highest", "High", "Normal", "Low", "Lowest"};

// The entries of an address list, each trimmed, empty ones left out.
std::vector<std::string> ListEntries(const std::string& list) {
    std::vector<std::string> entries;
    size_t start = 0;
    while (start <= list.size()) {
        size_t end = list.find_first_of(";,", start);
        if (end == std::string::npos) end = list.size();
        std::string entry = Trim(std::string_view(list).substr(start, end - start));
        if (!entry.empty()) entries.push_back(std::move(entry));
        start = end + 1;
    }
    return entries;
}

// Several addresses are written one a line, continued with a tab.
std::string HeaderList(const std::string& list) {
    std::string out;
    for (const std::string& entry : ListEntries(list))
        out += (out.empty() ? "" : ",\r\n\t") + entry;
    return out;
}

std::string Mailbox(const std::string& name, const std::string& address) {
    return name.empty() ? "<" + address + ">" : "\"" + name + "\" <" + address + ">";
}

std::string TransparentBody(const std::string& body) {
    std::string out;
    size_t start = 0;
    while (start <= body.size()) {
        size_t end = body.find('\n', start);
        if (end == std::string::npos) end = body.size();
        if (body.compare(start, 1, ".") == 0) out += '.';
        out.append(body, start, end - start);
        if (end < body.size()) out += '\n';
        start = end + 1;
    }
    return out;
}

bool HasLineBreak(const std::string& text) {
    return text.find_first_of("\r\n") != std::string::npos;
}

// An address goes between "<" and ">" in MAIL and RCPT: a bracket would end it early and let
// the rest pass as parameters (NOTIFY=NEVER), a control byte would cut the command.
bool IsCleanAddress(std::string_view address) {
    for (const char c : address)
        if (c == '<' || c == '>' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
    return true;
}

std::string AddressFault(const MailProperties& mail) {
    const std::pair<const std::string*, const char*> single[] = {{&mail.FromAddress, "送信元"},
                                                                 {&mail.ReplyTo, "返信先"}};
    for (const auto& [value, name] : single)
        if (!IsCleanAddress(*value))
            return std::string(name) + "のメールアドレスが正しくありません。";
    const std::pair<const std::string*, const char*> lists[] = {
        {&mail.ToAddr, "送信先"}, {&mail.ToCC, "Cc"}, {&mail.ToBCC, "Bcc"}};
    for (const auto& [list, name] : lists) {
        // A list that yields no address is sent whole.
        std::vector<std::string> addresses = ListAddresses(*list);
        if (addresses.empty()) addresses.push_back(*list);
        for (const std::string& address : addresses)
            if (!IsCleanAddress(address))
                return std::string(name) + "のメールアドレスが正しくありません。";
    }
    return "";
}

}  // namespace

std::vector<std::string> ListAddresses(const std::string& list) {
    std::vector<std::string> addresses;
    for (std::string entry : ListEntries(list)) {
        const size_t open = entry.find('<');
        const size_t close = entry.find('>', open);
        if (open != std::string::npos && close != std::string::npos)
            entry = Trim(std::string_view(entry).substr(open + 1, close - open - 1));
        if (!entry.empty()) addresses.push_back(entry);
    }
    return addresses;
}

std::string FormatMailDate(const DateTime& local, int zoneOffsetMinutes) {
    const int offset = zoneOffsetMinutes < 0 ? -zoneOffsetMinutes : zoneOffsetMinutes;
    const std::string zone =
        Format("%c%02d%02d", zoneOffsetMinutes < 0 ? '-' : '+', offset / 60, offset % 60);
    const std::string time = Format("%02d:%02d:%02d", local.hour, local.minute, local.second);
    return Format("%s, %d %s %d %s %s", kDayNames[DayOfWeek(local)], local.day,
                  kMonthNames[(local.month + 11) % 12], local.year, time.c_str(), zone.c_str());
}

int LocalZoneOffsetMinutes() {
    const std::time_t now = std::time(nullptr);
    std::tm local{}, utc{};
#ifdef _WIN32
    localtime_s(&local, &now);
    gmtime_s(&utc, &now);
#else
    localtime_r(&now, &local);
    gmtime_r(&now, &utc);
#endif
    const auto asSeconds = [](const std::tm& t) {
        return ToSerialSeconds(
            {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec});
    };
    return static_cast<int>((asSeconds(local) - asSeconds(utc)) / 60);
}

std::string ComposeMessage(const MailProperties& mail, const DateTime& local,
                           int zoneOffsetMinutes) {
    std::string text;
    const auto line = [&text](const std::string& header, const std::string& value) {
        text += header + ": " + value + "\r\n";
    };
    if (!mail.ReplyTo.empty()) line("Reply-To", Mailbox(mail.FromName, mail.ReplyTo));
    line("From", Mailbox(mail.FromName, mail.FromAddress));
    if (!mail.FromOrganization.empty()) line("Organization", mail.FromOrganization);
    if (!mail.ToAddr.empty()) line("To", HeaderList(mail.ToAddr));
    if (!mail.ToCC.empty()) line("Cc", HeaderList(mail.ToCC));
    if (!mail.MsgSubject.empty()) line("Subject", mail.MsgSubject);
    line("Date", FormatMailDate(local, zoneOffsetMinutes));
    // Without it a reader may take the text as US-ASCII and ignore the charset below.
    line("MIME-Version", "1.0");
    const char* type = mail.MsgContentType == MailContentType::Html ? "text/html" : "text/plain";
    line("Content-Type", std::string(type) + "; charset=" + mail.MsgContentCharset);
    line("X-Mailer", mail.Agent);
    const int priority = static_cast<int>(mail.MsgPriority);
    line("X-Priority", Format("%d (%s)", priority, kPriorityNames[(priority + 4) % 5]));
    // The body's last line ends like every other, so the closing "." stands on its own line.
    text += "\r\n" + TransparentBody(Trim(mail.MsgBody)) + "\r\n";
    return text;
}

std::string MessageFault(const MailProperties& mail) {
    const std::pair<const std::string*, const char*> fields[] = {
        {&mail.SMTPHost, "SMTPホスト"},
        {&mail.Authentication.Username, "ユーザーID"},
        {&mail.Authentication.Password, "パスワード"},
        {&mail.FromAddress, "送信元のメールアドレス"},
        {&mail.FromName, "送信者名"},
        {&mail.ReplyTo, "返信先"},
        {&mail.FromOrganization, "組織名"},
        {&mail.ToAddr, "送信先"},
        {&mail.ToCC, "Cc"},
        {&mail.ToBCC, "Bcc"},
        {&mail.MsgSubject, "件名"},
    };
    for (const auto& [value, name] : fields)
        if (HasLineBreak(*value))
            return std::string(name) + "に改行が含まれているため送信できません。";
    if (const std::string fault = AddressFault(mail); !fault.empty()) return fault;
    if (mail.SMTPPort < 1 || mail.SMTPPort > 65535)
        return "SMTPPortの番号が正しくありません。1～65535の番号を入力してください。";
    return "";
}

int SmtpPortOf(std::string_view field) {
    int64_t port = 0;
    if (TryToInt64(field, port)) return port < 1 || port > 65535 ? 0 : static_cast<int>(port);
    std::string digits = Trim(field);
    if (!digits.empty() && (digits[0] == '+' || digits[0] == '-')) digits.erase(0, 1);
    return !digits.empty() && IsDigits(digits) ? 0 : 25;
}

}  // namespace kagiroi
