#include "mail/Base64.h"
#include "mail/JisEncoding.h"
#include "mail/Mailer.h"
#include "mail/SmtpServerProcess.h"
#include "mail/TMailSetForm.h"
#include "platform/Sjis.h"
#include "support/FakePorts.h"
#include "support/TempFolder.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <sys/stat.h>

namespace kagiroi {
namespace {

class MailSettingsTest : public ::testing::Test {
  protected:
    void Type(std::initializer_list<std::pair<MailSetField, std::string>> typed) {
        for (const auto& [field, text] : typed)
            form.FieldChange(field, text);
    }
    void TypeValid() {
        Type({{MailSetField::MailTo, "ab@c.d"},
              {MailSetField::MailFrom, "me@x.jp"},
              {MailSetField::SMTP, "127.0.0.1"},
              {MailSetField::UserID, "user1"},
              {MailSetField::Pass, "secret"},
              {MailSetField::Security, "0"}});
    }
    // Sends the test mail to the server on `port` and waits for its outcome.
    void SendTo(int port) {
        form.FieldChange(MailSetField::SMTPPort, std::to_string(port));
        form.SendTestMail();
        for (int i = 0; form.Mailer().Running() && i < 300; ++i)
            uiThread.WaitAndRun(100);
    }

    test::TempFolder folder;
    SettingsFile settings{folder / "kagiroi.ini"};
    test::FakeUi ui;
    QueuedUiThread uiThread;
    test::FakeClock clock{{2026, 12, 9, 10, 0, 0}};
    TMailSetForm form{settings, ui, uiThread, clock};
};

TEST_F(MailSettingsTest, EachKeystrokeIsStoredAndReadBack) {
    form.OpenMailSettings();
    EXPECT_EQ("25", form.Field(MailSetField::SMTPPort));
    TypeValid();
    form.FieldChange(MailSetField::SMTPPort, "587");
    const MailSettings stored = ReadMailSettings(settings);
    EXPECT_EQ("secret", stored[MailSetField::Pass]);  // as typed
    EXPECT_EQ("587", stored[MailSetField::SMTPPort]);
#ifndef _WIN32  // Windows keeps the program folder's permissions
    struct stat st {};
    ASSERT_EQ(0, stat(settings.Path().c_str(), &st));
    EXPECT_EQ(0600u, st.st_mode & 0777u);
    form.FieldChange(MailSetField::MailTo, "other@c.d");  // a later write keeps it private
    ASSERT_EQ(0, stat(settings.Path().c_str(), &st));
    EXPECT_EQ(0600u, st.st_mode & 0777u);
#endif
}

TEST_F(MailSettingsTest, ChecksInOrder) {
    const struct {
        MailSetField field;
        std::string text;
        std::string message;
    } cases[] = {
        {MailSetField::MailTo, " abcde ", "送信先メールアドレスが正常ではありません。"},
        {MailSetField::MailFrom, "abcde", "送信元メールアドレスが正常ではありません。"},
        {MailSetField::SMTP, "ab", "SMTPホスト名が未入力か正しくありません。"},
        {MailSetField::Pass, "", "パスワードが未入力です。"},
    };
    for (const auto& c : cases) {
        TypeValid();
        form.FieldChange(c.field, c.text);
        ui.Clear();
        form.SendTestMail();
        EXPECT_TEXT_EQ(c.message, ui.Messages().empty() ? "" : ui.Messages().front());
        EXPECT_EQ(1, ui.BeepCount());
        EXPECT_TRUE(ui.Questions().empty());
    }
    TypeValid();  // six characters pass, and no password is asked without a user ID
    Type({{MailSetField::UserID, " "}, {MailSetField::Pass, ""}});
    ui.Clear();
    ui.AnswerNext(false);
    form.SendTestMail();
    EXPECT_EQ(std::vector<std::string>{"テスト送信します。よろしいですか？"}, ui.Questions());
    EXPECT_FALSE(form.Mailer().Running());
}

TEST_F(MailSettingsTest, PortAndEncryptionFromTheFields) {
    const struct {
        std::string port, security;
        int sendsTo;
        MailSecurity expected;
    } cases[] = {
        {"abc", "", 25, MailSecurity::None}, {"587", "", 587, MailSecurity::StartTls},
        {"465", "", 465, MailSecurity::Tls}, {"587", "0", 587, MailSecurity::None},
        {"25", "2", 25, MailSecurity::Tls},  {"25", "x", 25, MailSecurity::None},
    };
    for (const auto& c : cases) {
        MailSettings s;
        s.fields[static_cast<int>(MailSetField::SMTPPort)] = c.port;
        s.fields[static_cast<int>(MailSetField::Security)] = c.security;
        MailProperties mail;
        ApplyMailSettings(s, mail);
        EXPECT_EQ(c.sendsTo, mail.SMTPPort) << c.port;
        EXPECT_EQ(c.expected, mail.Security) << c.port << " " << c.security;
    }
}

TEST_F(MailSettingsTest, TestMailReachesTheServerWithEveryStatus) {
    SKIP_WHERE_NO_SMTP_SERVER_RUNS();
    test::SmtpServerProcess server({"real", folder / "got.jsonl", "--auth", "user1", "secret"});
    ASSERT_NE(0, server.Port());
    TypeValid();
    form.FieldChange(MailSetField::SMTPPort, std::to_string(server.Port()));
    std::vector<std::string> statuses;
    form.OnChanged = [&] {
        if (!form.StatusText().empty() &&
            (statuses.empty() || statuses.back() != form.StatusText()))
            statuses.push_back(form.StatusText());
    };
    form.SendTestMail();
    EXPECT_TRUE(form.SendEnabled());  // back as soon as Send returned
    for (int i = 0; form.Mailer().Running() && i < 300; ++i)
        uiThread.WaitAndRun(100);
    ASSERT_GE(statuses.size(), 3u);
    EXPECT_TEXT_EQ("メールを送信しています。", statuses.front());
    EXPECT_NE(statuses.end(), std::find(statuses.begin(), statuses.end(), "100％送信済み"));
    EXPECT_TEXT_EQ("メールを送信しました。", statuses.back());

    const std::string got = test::ReadServerRecord(folder / "got.jsonl");
    EXPECT_NE(std::string::npos, got.find("\"to\": [\"ab@c.d\"]")) << got;
    // What a standard mail reader makes of the subject and the MIME version.
    EXPECT_NE(std::string::npos,
              got.find("\"subject\": \"" + SjisToUtf8("[ツバクロソフト]テスト送信") + "\""))
        << got;
    EXPECT_NE(std::string::npos, got.find("\"mime\": \"1.0\"")) << got;
    const MailProperties& sent = form.Mailer().Properties;
    const std::string message = ComposeMessage(sent, clock.Now(), LocalZoneOffsetMinutes());
    EXPECT_NE(std::string::npos, got.find("\"data\": \"" + Base64Encode(message) + "\""));
    const std::string lines[] = {
        "From: \"[=?ISO-2022-JP?B?" + Base64Encode(SjisToJis("ツバクロ")) + "?=]\" <me@x.jp>\r\n",
        "Subject: [=?ISO-2022-JP?B?" + Base64Encode(SjisToJis("ツバクロソフト")) +
            "?=]=?ISO-2022-JP?B?" + Base64Encode(SjisToJis("テスト送信")) + "?=\r\n",
        "MIME-Version: 1.0\r\n",
        "charset=iso-2022-jp\r\n",
        "\r\n\r\n" + SjisToJis("[ツバクロソフト]\r\n\r\nテスト送信です。届きましたか?") + "\r\n",
    };
    for (const std::string& line : lines)
        EXPECT_NE(std::string::npos, message.find(line)) << line;
}

// Without a user ID the mail goes to a server that offers no login; a refused step is the
// status the dialog ends on, named, not the server's goodbye.
TEST_F(MailSettingsTest, NoLoginWithoutAUserIdAndARefusedStepIsTheLastStatus) {
    SKIP_WHERE_NO_SMTP_SERVER_RUNS();
    test::SmtpServerProcess open({"real", folder / "got.jsonl"});
    test::SmtpServerProcess refusing({"script", "refuse-rcpt", folder / "refusing.log"});
    ASSERT_NE(0, open.Port());
    ASSERT_NE(0, refusing.Port());
    TypeValid();
    Type({{MailSetField::UserID, ""}, {MailSetField::Pass, ""}});
    SendTo(open.Port());
    EXPECT_TEXT_EQ("メールを送信しました。", form.StatusText());
    EXPECT_TRUE(form.Sent());
    const std::string got = test::ReadServerRecord(folder / "got.jsonl");
    EXPECT_NE(std::string::npos, got.find("\"login\": null")) << got;

    TypeValid();
    ui.Clear();
    SendTo(refusing.Port());
    EXPECT_TEXT_EQ("エラー: 「RCPT To: <ab@c.d>」が受け付けられませんでした: 550 5.1.1 refused",
                   form.StatusText());
    EXPECT_FALSE(form.Sent());
    EXPECT_EQ(1, ui.BeepCount());
    EXPECT_TRUE(form.SendEnabled());
}

TEST_F(MailSettingsTest, ServerFailuresAreBoxedAndBeeped) {
    TypeValid();
    form.FieldChange(MailSetField::SMTPPort, "1");
    form.SendTestMail();
    for (int i = 0; form.Mailer().Running() && i < 300; ++i)
        uiThread.WaitAndRun(100);
    EXPECT_TEXT_EQ("ホストが見つかりません。", form.StatusText());
    EXPECT_EQ(std::vector<std::string>{"ホストが見つかりません。"}, ui.Messages());
    EXPECT_TRUE(form.SendEnabled());
}

// A port outside 1..65535 is refused before connecting as the port, not as the host.
TEST_F(MailSettingsTest, APortOutsideItsRangeIsNamedNotTheHost) {
    TypeValid();
    for (const char* port : {"0", "70000", "-25", "99999999999999999999"}) {
        form.FieldChange(MailSetField::SMTPPort, port);
        form.SendTestMail();
        for (int i = 0; (form.Mailer().Running() || !form.SendEnabled()) && i < 300; ++i)
            uiThread.WaitAndRun(100);
        uiThread.WaitAndRun(100);  // the refusal is posted, not run at once
        EXPECT_TEXT_EQ(
            "エラー: SMTPPortの番号が正しくありません。1～65535の番号を入力してください。",
            form.StatusText())
            << port;
    }
    EXPECT_TRUE(ui.Messages().empty());
}

TEST(MailDelivery, EachRaceOnceInTheMinuteOfItsThirdFetch) {
    test::TempFolder folder;
    SettingsFile settings(folder / "kagiroi.ini");
    test::FakeUi ui;
    QueuedUiThread uiThread;
    test::FakeClock clock;
    ErrorLog log(folder / "ErrorLog.txt", clock);
    Mailer mailer(settings, ui, log, uiThread, clock, [](const std::string&) {});
    const std::vector<DeliveryCandidate> races = {
        {0, true, "0950"}, {1, false, "0950"}, {2, true, " 0950 "}, {3, true, "1000"}};
    EXPECT_EQ((std::vector<int>{0, 2}), mailer.TakeDueRaces(races, {2026, 12, 9, 9, 50, 10}));
    EXPECT_TRUE(mailer.TakeDueRaces(races, {2026, 12, 9, 9, 50, 50}).empty());
    EXPECT_TRUE(mailer.TakeDueRaces(races, {2026, 12, 9, 9, 51, 0}).empty());
    mailer.ClearDelivered();  // a day load
    EXPECT_EQ((std::vector<int>{0, 2}), mailer.TakeDueRaces(races, {2026, 12, 9, 9, 50, 30}));
}

// Two races due in the same minute: the second waits for the first instead of being lost.
TEST(MailDelivery, RacesDueTogetherAreMailedOneAfterAnother) {
    SKIP_WHERE_NO_SMTP_SERVER_RUNS();
    test::TempFolder folder;
    test::SmtpServerProcess server({"real", folder / "got.jsonl", "--auth", "user1", "pw"});
    ASSERT_NE(0, server.Port());
    SettingsFile settings(folder / "kagiroi.ini");
    test::StoreTestMailSettings(settings, server.Port());
    test::FakeUi ui;
    QueuedUiThread uiThread;
    test::FakeClock clock;
    ErrorLog log(folder / "ErrorLog.txt", clock);
    Mailer mailer(settings, ui, log, uiThread, clock, [](const std::string&) {});
    EXPECT_TRUE(mailer.Deliver({"<<中山11R>>"}));
    EXPECT_TRUE(mailer.Deliver({"<<京都11R>>"}));
    for (int i = 0; mailer.Sending() && i < 300; ++i)
        uiThread.WaitAndRun(100);
    EXPECT_TRUE(mailer.Sent());
    const std::string got = test::ReadServerRecord(folder / "got.jsonl");
    EXPECT_EQ(2, std::count(got.begin(), got.end(), '\n')) << got;
}

}  // namespace
}  // namespace kagiroi
