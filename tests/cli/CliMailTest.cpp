#include "cli/CliFixture.h"
#include "mail/SmtpServerProcess.h"
#include "mail/TMailSetForm.h"
#include "platform/Sjis.h"

#include <gtest/gtest.h>

namespace kagiroi::test {
namespace {

using CliMailTest = CliTest;

TEST_F(CliMailTest, TestMailPrintsEachStatusAndExitsByTheOutcome) {
    SKIP_WHERE_NO_SMTP_SERVER_RUNS();
    SmtpServerProcess server({"real", home / "got.jsonl", "--auth", "user1", "pw"});
    ASSERT_NE(0, server.Port());
    SettingsFile settings(home / "kagiroi.ini");
    StoreTestMailSettings(settings, server.Port());

    CliRun refused = Run({"mail", "test"});  // the question is answered No
    EXPECT_EQ(1, refused.status);
    EXPECT_EQ("", refused.out);

    CliRun sent = Run({"mail", "test", "--yes"});
    EXPECT_EQ(0, sent.status) << sent.out << sent.err;
    EXPECT_EQ(0u, sent.out.find(SjisToUtf8("メールを送信しています。\n"))) << sent.out;
    EXPECT_NE(std::string::npos, sent.out.find(SjisToUtf8("100％送信済み\n"))) << sent.out;
    EXPECT_EQ(sent.out.size() - SjisToUtf8("メールを送信しました。\n").size(),
              sent.out.rfind(SjisToUtf8("メールを送信しました。\n")))
        << sent.out;
    const std::string got = ReadServerRecord(home / "got.jsonl");
    EXPECT_NE(std::string::npos, got.find("\"login\": \"user1\"")) << got;

    WriteMailSetting(settings, MailSetField::SMTPPort, "1");  // nothing listens there
    CliRun unreachable = Run({"mail", "test", "--yes"});
    EXPECT_EQ(1, unreachable.status);
    EXPECT_NE(std::string::npos, unreachable.err.find(SjisToUtf8("ホストが見つかりません。")))
        << unreachable.err;
}

}  // namespace
}  // namespace kagiroi::test
