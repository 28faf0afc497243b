#include "mail/Base64.h"
#include "mail/JisEncoding.h"
#include "mail/MailConnection.h"
#include "mail/SmtpServerProcess.h"
#include "mail/TSendMail.h"
#include "platform/FileSystem.h"
#include "support/FakePorts.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

using test::SmtpServerProcess;
using Events = std::vector<std::string>;

class SendMailTest : public ::testing::Test {
  protected:
    SendMailTest() {
        mail.Properties.SMTPHost = "127.0.0.1";
        mail.Properties.FromAddress = "baken@example.jp";
        mail.Properties.FromName = JisToHeader(SjisToJis("[ツバクロ]"));
        mail.Properties.ToAddr = "phone@example.jp";
        mail.Properties.MsgSubject = SjisToJis("[ツバクロソフト]テスト送信");
        mail.Properties.MsgBody =
            SjisToJis("[ツバクロソフト]\r\n\r\nテスト送信です。届きましたか?");
        mail.Properties.MsgContentCharset = "iso-2022-jp";
        mail.Properties.Deadlines.ReplyMs = 2000;
        Listen();
    }

    void Listen() {
        auto log = log_;
        mail.Events.OnProgress = [log](int, int percent) {
            log->push_back("Progress " + std::to_string(percent));
        };
        mail.Events.OnResponse = [log](int code, const std::string&) {
            log->push_back("Response " + std::to_string(code));
        };
        mail.Events.OnSMTPError = [log](int code, const std::string& text) {
            log->push_back("SMTPError " + std::to_string(code) + " " + text);
        };
        mail.Events.OnSuccess = [log] { log->push_back("Success"); };
        mail.Events.OnHostUnreachable = [log] { log->push_back("HostUnreachable"); };
        mail.Events.OnConnLost = [log] { log->push_back("ConnLost"); };
        mail.Events.OnAnyError = [log](const std::string& what) {
            log->push_back("AnyError " + what);
        };
    }

    // Sends and runs the UI thread's tasks until the delivery has ended; gives the events
    // without the progress steps.
    Events Deliver(int port) {
        mail.Properties.SMTPPort = port;
        EXPECT_TRUE(mail.Send());
        return Wait();
    }
    Events Wait() {
        ui.WaitAndRun(100);  // a refusal before connecting is told without a delivery
        for (int waited = 0; mail.Running() && waited < 300; ++waited)
            ui.WaitAndRun(100);
        EXPECT_FALSE(mail.Running());
        return Dialogue();
    }

    std::string Record(const std::string& name) const {
        return test::ReadServerRecord(folder / name);
    }

    // The events without the progress steps, and the last progress step alone.
    Events Dialogue() const {
        Events out;
        for (const std::string& e : *log_)
            if (e.rfind("Progress", 0) != 0) out.push_back(e);
        return out;
    }
    std::string LastProgress() const {
        for (auto e = log_->rbegin(); e != log_->rend(); ++e)
            if (e->rfind("Progress", 0) == 0) return *e;
        return "";
    }
    std::string ExpectedData() const {
        return Base64Encode(ComposeMessage(mail.Properties, clock.Now(), LocalZoneOffsetMinutes()));
    }

    test::TempFolder folder;
    test::FakeClock clock{{2026, 12, 9, 9, 5, 7}};
    QueuedUiThread ui;
    TSendMail mail{ui, clock};
    std::shared_ptr<Events> log_ = std::make_shared<Events>();
};

const Events kPlainDialogue = {"Response 220", "Response 250", "Response 250", "Response 250",
                               "Response 354", "Response 250", "Response 221", "Success"};

TEST_F(SendMailTest, RealServerGetsTheComposedMessageByteForByte) {
    SKIP_WHERE_NO_SMTP_SERVER_RUNS();
    SmtpServerProcess server({"real", folder / "got.jsonl"});
    ASSERT_NE(0, server.Port());
    EXPECT_EQ(kPlainDialogue, Deliver(server.Port()));
    EXPECT_EQ("Progress 100", LastProgress());
    const std::string got = Record("got.jsonl");
    EXPECT_NE(std::string::npos, got.find("\"extended\": false")) << got;  // HELO, no AUTH
    EXPECT_NE(std::string::npos, got.find("\"from\": \"baken@example.jp\"")) << got;
    EXPECT_NE(std::string::npos, got.find("\"to\": [\"phone@example.jp\"]")) << got;
    EXPECT_NE(std::string::npos, got.find("\"data\": \"" + ExpectedData() + "\"")) << got;
}

TEST_F(SendMailTest, AuthLoginAndTwoRecipients) {
    SKIP_WHERE_NO_SMTP_SERVER_RUNS();
    SmtpServerProcess server({"real", folder / "got.jsonl", "--auth", "user1", "secret"});
    ASSERT_NE(0, server.Port());
    mail.Properties.Authentication = {true, "user1", "secret"};
    mail.Properties.ToAddr = "one@example.jp; Two <two@example.jp>";
    const Events expected = {"Response 220", "Response 250", "Response 334", "Response 334",
                             "Response 235", "Response 250", "Response 250", "Response 250",
                             "Response 354", "Response 250", "Response 221", "Success"};
    EXPECT_EQ(expected, Deliver(server.Port()));
    const std::string got = Record("got.jsonl");
    EXPECT_NE(std::string::npos, got.find("\"login\": \"user1\"")) << got;
    EXPECT_NE(std::string::npos, got.find("\"to\": [\"one@example.jp\", \"two@example.jp\"]"))
        << got;
    EXPECT_NE(std::string::npos, got.find("\"data\": \"" + ExpectedData() + "\"")) << got;
    EXPECT_NE(std::string::npos,
              ComposeMessage(mail.Properties, clock.Now(), 0)
                  .find("\r\nTo: one@example.jp,\r\n\tTwo <two@example.jp>\r\n"));
}

TEST_F(SendMailTest, WrongPasswordIsAnSmtpErrorNotASuccess) {
    SKIP_WHERE_NO_SMTP_SERVER_RUNS();
    SmtpServerProcess server({"real", folder / "got.jsonl", "--auth", "user1", "secret"});
    ASSERT_NE(0, server.Port());
    mail.Properties.Authentication = {true, "user1", "wrong"};
    Deliver(server.Port());
    const Events events = Dialogue();
    ASSERT_GE(events.size(), 2u);
    EXPECT_EQ("Response 221", events[events.size() - 2]);
    // The refusal comes last and names the step.
    EXPECT_EQ(0u, events.back().rfind("SMTPError 535 「AUTH LOGIN(パスワード)」が受け付けられ", 0))
        << events.back();
    EXPECT_EQ("", Record("got.jsonl"));
}

TEST_F(SendMailTest, EncryptedConnections) {
    SKIP_WHERE_NO_SMTP_SERVER_RUNS();
    ASSERT_TRUE(test::MakeTestCertificate(folder.Path()));
    mail.Properties.SMTPHost = "localhost";
    mail.Properties.Authentication = {true, "user1", "secret"};
    mail.Properties.TrustedCertificates = folder / "cert.pem";
    const struct {
        const char* option;
        MailSecurity security;
    } cases[] = {{"--starttls", MailSecurity::StartTls}, {"--tls", MailSecurity::Tls}};
    for (const auto& c : cases) {
        const std::string record = std::string(c.option + 2) + ".jsonl";
        SmtpServerProcess server({"real", folder / record, c.option, folder / "cert.pem",
                                  folder / "key.pem", "--auth", "user1", "secret"});
        ASSERT_NE(0, server.Port());
        log_->clear();
        mail.Properties.Security = c.security;
        EXPECT_EQ("Success", Deliver(server.Port()).back()) << c.option;
        EXPECT_NE(std::string::npos, Record(record).find("\"tls\": true")) << c.option;
    }
}

// A login is asked only of a server that offers one.
TEST_F(SendMailTest, ALoginToAServerWithoutAuthIsRefusedBeforeSending) {
    SKIP_WHERE_NO_SMTP_SERVER_RUNS();
    SmtpServerProcess server({"real", folder / "got.jsonl"});
    ASSERT_NE(0, server.Port());
    mail.Properties.Authentication = {true, "user1", "secret"};
    const Events refused = {
        "Response 220", "Response 250", "Response 221",
        "SMTPError 0 サーバーが認証(AUTH)に対応していません。ユーザーIDを空にすると認証せずに送信"
        "します。"};
    EXPECT_EQ(refused, Deliver(server.Port()));
    EXPECT_EQ("", Record("got.jsonl"));
}

TEST_F(SendMailTest, AnUntrustedCertificateEndsBeforeAnyLogin) {
    SKIP_WHERE_NO_SMTP_SERVER_RUNS();
    ASSERT_TRUE(test::MakeTestCertificate(folder.Path()));
    SmtpServerProcess server(
        {"real", folder / "got.jsonl", "--starttls", folder / "cert.pem", folder / "key.pem"});
    ASSERT_NE(0, server.Port());
    mail.Properties.SMTPHost = "localhost";
    mail.Properties.Security = MailSecurity::StartTls;
    const Events events = Deliver(server.Port());
    ASSERT_EQ(4u, events.size());  // greeting, EHLO, STARTTLS, then the refusal
    EXPECT_EQ(0u, events[3].rfind("SMTPError 0 サーバー証明書を確認できません。", 0)) << events[3];
}

TEST_F(SendMailTest, StartTlsNotOfferedIsRefused) {
    SKIP_WHERE_NO_SMTP_SERVER_RUNS();
    SmtpServerProcess server({"real", folder / "got.jsonl"});
    ASSERT_NE(0, server.Port());
    mail.Properties.Security = MailSecurity::StartTls;
    const Events expected = {"Response 220", "Response 250", "Response 221",
                             "SMTPError 0 サーバーが暗号化(STARTTLS)に対応していません。"};
    EXPECT_EQ(expected, Deliver(server.Port()));
}

TEST_F(SendMailTest, FaultyServers) {
    SKIP_WHERE_NO_SMTP_SERVER_RUNS();
    mail.Properties.Authentication = {true, "user1", "secret"};
    mail.Properties.Deadlines.ReplyMs = 1000;
    const struct {
        const char* mode;
        Events expected;
    } cases[] = {
        {"auth250",
         {"Response 220", "Response 250", "Response 250", "Response 221",
          "SMTPError 250 「AUTH LOGIN」が受け付けられませんでした: 250 not now"}},
        {"refuse-rcpt",
         {"Response 220", "Response 250", "Response 334", "Response 334", "Response 235",
          "Response 250", "Response 550", "Response 221",
          "SMTPError 550 「RCPT To: <phone@example.jp>」が受け付けられませんでした: 550 5.1.1 "
          "refused"}},
        {"silent", {"ConnLost"}},
        {"close-mid-data",
         {"Response 220", "Response 250", "Response 334", "Response 334", "Response 235",
          "Response 250", "Response 250", "Response 354", "ConnLost"}},
        // The rest of EHLO's reply comes in a second piece; AUTH LOGIN still gets its own.
        {"split-ehlo",
         {"Response 220", "Response 250", "Response 334", "Response 334", "Response 235",
          "Response 250", "Response 250", "Response 354", "Response 250", "Response 221",
          "Success"}},
    };
    for (const auto& c : cases) {
        SmtpServerProcess server({"script", c.mode, folder / (std::string(c.mode) + ".log")});
        ASSERT_NE(0, server.Port());
        log_->clear();
        EXPECT_EQ(c.expected, Deliver(server.Port())) << c.mode;
    }
    EXPECT_EQ(std::string::npos, Record("auth250.log").find("MAIL"));
    EXPECT_EQ(std::string::npos, Record("refuse-rcpt.log").find("DATA"));
}

// A second reply sent with STARTTLS's 220, before encryption, is never read as the answer to
// the first command inside TLS: the client hangs up before the handshake.
TEST_F(SendMailTest, RepliesSentBeforeEncryptionAreRefused) {
    SKIP_WHERE_NO_SMTP_SERVER_RUNS();
    ASSERT_TRUE(test::MakeTestCertificate(folder.Path()));
    SmtpServerProcess server({"script", "starttls-inject", folder / "inject.log",
                              folder / "cert.pem", folder / "key.pem"});
    ASSERT_NE(0, server.Port());
    mail.Properties.SMTPHost = "localhost";
    mail.Properties.Security = MailSecurity::StartTls;
    mail.Properties.TrustedCertificates = folder / "cert.pem";
    const Events expected = {
        "Response 220", "Response 250", "Response 220",
        "SMTPError 0 STARTTLSの応答の後に余分なデータが届いたため、暗号化接続を始められません。"};
    EXPECT_EQ(expected, Deliver(server.Port()));
    for (int i = 0; Record("inject.log").find("no handshake") == std::string::npos && i < 50; ++i)
        ui.WaitAndRun(100);
    EXPECT_EQ("EHLO " + LocalComputerName() + "\nSTARTTLS\nno handshake\n", Record("inject.log"));
}

// A server that sends one byte every 100 ms is hung up on when a reply, or the whole
// delivery, runs past its deadline (short ones here; a minute and five by default).
TEST_F(SendMailTest, TricklingServersAreHungUpOnAtTheDeadlines) {
    SKIP_WHERE_NO_SMTP_SERVER_RUNS();
    const struct {
        const char* mode;
        MailDeadlines deadlines;
    } cases[] = {
        {"endless-greeting", {1000, kDeliveryDeadlineMs}},
        // Each reply comes within its time; the whole dialogue would take about 7 s.
        {"trickle", {10 * 1000, 2000}},
    };
    for (const auto& c : cases) {
        const std::string record = std::string(c.mode) + ".log";
        SmtpServerProcess server({"script", c.mode, folder / record});
        ASSERT_NE(0, server.Port());
        log_->clear();
        mail.Properties.Deadlines = c.deadlines;
        const Events events = Deliver(server.Port());
        ASSERT_FALSE(events.empty()) << c.mode;
        EXPECT_EQ("ConnLost", events.back()) << c.mode;
        for (int i = 0; !Record(record).ends_with("client closed\n") && i < 50; ++i)
            ui.WaitAndRun(100);
        EXPECT_TRUE(Record(record).ends_with("client closed\n")) << Record(record);
        EXPECT_EQ(std::string::npos, Record(record).find("MAIL From")) << c.mode;
    }
}

// Closing the program mid-delivery does not wait out a silent server: the component's end
// hangs up at once (the server, silent for 30 s, records who closed first).
TEST_F(SendMailTest, TheComponentsEndHangsUpOnASilentServer) {
    SKIP_WHERE_NO_SMTP_SERVER_RUNS();
    SmtpServerProcess server({"script", "silent", folder / "silent.log"});
    ASSERT_NE(0, server.Port());
    {
        TSendMail leaving{ui, clock};
        leaving.Properties = mail.Properties;
        leaving.Properties.SMTPPort = server.Port();
        leaving.Properties.Deadlines = {3600 * 1000, 3600 * 1000};
        ASSERT_TRUE(leaving.Send());
        for (int i = 0; Record("silent.log").empty() && i < 100; ++i)
            ui.WaitAndRun(100);
        ASSERT_EQ("connected\n", Record("silent.log"));  // waiting for the greeting
    }
    for (int i = 0; Record("silent.log") == "connected\n" && i < 100; ++i)
        ui.WaitAndRun(100);
    EXPECT_EQ("connected\nclient closed\n", Record("silent.log"));
}

TEST_F(SendMailTest, UnreachableHost) {
    EXPECT_EQ(Events{"HostUnreachable"}, Deliver(1));
}

TEST_F(SendMailTest, ASecondSendWhileRunningIsRefused) {
    SKIP_WHERE_NO_SMTP_SERVER_RUNS();
    SmtpServerProcess server({"real", folder / "got.jsonl"});
    ASSERT_NE(0, server.Port());
    mail.Properties.SMTPPort = server.Port();
    ASSERT_TRUE(mail.Send());
    EXPECT_FALSE(mail.Send());
    EXPECT_EQ(kPlainDialogue, Wait());
    // The same worker takes the next message.
    log_->clear();
    EXPECT_EQ(kPlainDialogue, Deliver(server.Port()));
}

TEST_F(SendMailTest, ALineBreakInAHeaderIsNeverSent) {
    SKIP_WHERE_NO_SMTP_SERVER_RUNS();
    SmtpServerProcess server({"script", "plain", folder / "plain.log"});
    ASSERT_NE(0, server.Port());
    mail.Properties.MsgSubject = "hello\r\nBcc: victim@example.jp";
    EXPECT_EQ(Events{"SMTPError 0 件名に改行が含まれているため送信できません。"},
              Deliver(server.Port()));
    EXPECT_EQ("", Record("plain.log"));
}

TEST(MailMessage, HeadersInOrderAndBodyLinesSafe) {
    MailProperties mail;
    mail.FromAddress = "me@example.jp";
    mail.ReplyTo = "back@example.jp";
    mail.FromOrganization = "Org";
    mail.ToCC = "cc@example.jp";
    mail.MsgBody = "  \r\n.\r\n.x\r\nend  \r\n";
    mail.MsgPriority = MailPriority::High;
    EXPECT_EQ(
        "Reply-To: <back@example.jp>\r\n"
        "From: <me@example.jp>\r\n"
        "Organization: Org\r\n"
        "Cc: cc@example.jp\r\n"
        "Date: Sat, 6 Jan 2024 09:05:00 -0330\r\n"
        "MIME-Version: 1.0\r\n"
        "Content-Type: text/plain; charset=iso-8859-1\r\n"
        "X-Mailer: Kagiroi SendMail 1.0\r\n"
        "X-Priority: 2 (High)\r\n"
        "\r\n"
        "..\r\n..x\r\nend\r\n",
        ComposeMessage(mail, {2024, 1, 6, 9, 5, 0}, -210));
    EXPECT_EQ("Wed, 31 Dec 2025 23:59:59 +0900", FormatMailDate({2025, 12, 31, 23, 59, 59}, 540));
}

// A bracket or a control byte in an address would let it end "<...>" early and add command
// parameters (RCPT To: <a@b.c> NOTIFY=NEVER>); such a message never leaves.
TEST(MailMessage, AddressesThatCouldAddParametersAreRefused) {
    const struct {
        std::string MailProperties::*field;
        std::string value, fault;
    } cases[] = {
        {&MailProperties::ToAddr, "a@b.c> NOTIFY=NEVER",
         "送信先のメールアドレスが正しくありません。"},
        {&MailProperties::ToAddr, "ok@b.c; x<y@b.c", "送信先のメールアドレスが正しくありません。"},
        {&MailProperties::ToAddr, std::string("a@b.c\0x", 7),
         "送信先のメールアドレスが正しくありません。"},
        {&MailProperties::ToCC, "a@b\x01.c", "Ccのメールアドレスが正しくありません。"},
        {&MailProperties::ToBCC, "Name <a@b.c\x7F>", "Bccのメールアドレスが正しくありません。"},
        {&MailProperties::FromAddress, "me@x.jp> BODY=8BITMIME",
         "送信元のメールアドレスが正しくありません。"},
        {&MailProperties::ReplyTo, "back@x.jp\x1B", "返信先のメールアドレスが正しくありません。"},
        {&MailProperties::ToAddr, "Two <two@example.jp>; one@example.jp", ""},
    };
    for (const auto& c : cases) {
        MailProperties mail;
        mail.FromAddress = "me@x.jp";
        mail.ToAddr = "phone@x.jp";
        mail.*c.field = c.value;
        EXPECT_EQ(c.fault, MessageFault(mail)) << c.value;
    }
}

TEST(MailMessage, ListAddressesTakesThePartInBrackets) {
    EXPECT_EQ((std::vector<std::string>{"a@x.jp", "b@x.jp", "c@x.jp"}),
              ListAddresses(" a@x.jp ;Bee <b@x.jp>,, c@x.jp"));
    EXPECT_TRUE(ListAddresses(" ; ").empty());
}

}  // namespace
}  // namespace kagiroi
