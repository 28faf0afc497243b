#pragma once

#include "platform/DateTime.h"

#include <string>
#include <string_view>
#include <vector>

namespace kagiroi {

enum class MailContentType { PlainText, Html };
enum class MailPriority { Highest = 1, High, Normal, Low, Lowest };

// How the connection to the server is protected.
enum class MailSecurity {
    None,
    StartTls,  // plain connection, then STARTTLS after EHLO
    Tls,       // TLS from the first byte (port 465)
};

// How long a server may take: each reply, from its command's first byte to the reply's last,
// and the whole delivery from connecting to QUIT. A server past either is hung up on, as on a
// lost connection, so a server that trickles its bytes cannot hold a delivery for ever.
constexpr int kReplyDeadlineMs = 60 * 1000;
constexpr int kDeliveryDeadlineMs = 5 * 60 * 1000;
struct MailDeadlines {
    int ReplyMs = kReplyDeadlineMs;
    int DeliveryMs = kDeliveryDeadlineMs;
};

// What one delivery needs: the server, the login and the message. Texts are sent as they
// stand (the caller passes ISO-2022-JP where the charset says so).
struct MailProperties {
    std::string SMTPHost = "localhost";
    int SMTPPort = 25;
    struct {
        bool Enabled = false;
        std::string Username, Password;
    } Authentication;
    MailSecurity Security = MailSecurity::None;
    // A file of extra trusted certificates (PEM) besides the system's; empty for none.
    std::string TrustedCertificates;
    std::string FromAddress, FromName;
    std::string ReplyTo, FromOrganization;
    // Address lists: addresses separated by ";" or ",".
    std::string ToAddr, ToCC, ToBCC;
    std::string MsgSubject, MsgBody;
    MailContentType MsgContentType = MailContentType::PlainText;
    std::string MsgContentCharset = "iso-8859-1";
    MailPriority MsgPriority = MailPriority::Normal;
    std::string Agent = "Kagiroi SendMail 1.0";
    // Seconds to wait for connecting.
    int ConnectTimeoutSeconds = 30;
    MailDeadlines Deadlines;
};

// The addresses of a list, each trimmed, the part inside "<" ">" when present.
std::vector<std::string> ListAddresses(const std::string& list);

// "Wed, 9 Dec 2026 17:05:34 +0900": English names, the zone as +HHMM.
std::string FormatMailDate(const DateTime& local, int zoneOffsetMinutes);
// The offset of this computer's local time from UTC at this moment.
int LocalZoneOffsetMinutes();

// The whole message text (headers, empty line, body), lines ended by CR LF. A body line that
// starts with "." gets a second one, so no line of the text can end the DATA phase early.
std::string ComposeMessage(const MailProperties& mail, const DateTime& local,
                           int zoneOffsetMinutes);

// The port field as a port: 25 when it is no number, 0 (no port) when it is a number too
// large for one.
int SmtpPortOf(std::string_view field);

// Why the message cannot be sent as it stands, told before connecting: a line break inside a
// header value or a command argument would let a text add headers or commands, a bracket or a
// control byte in an address would let it add command parameters, and a port outside
// 1..65535 is no port. Empty when it can be sent.
std::string MessageFault(const MailProperties& mail);

}  // namespace kagiroi
