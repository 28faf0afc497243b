#include "app/DemoFixture.h"
#include "mail/Base64.h"
#include "mail/JisEncoding.h"
#include "mail/SmtpServerProcess.h"
#include "mail/TMailSetForm.h"
#include "platform/TextField.h"
#include "support/MainFormProbe.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

// The delivery timer on a demo race day: the race whose odds were fetched is selected in the
// minute of its third fetch time, its net is mailed to a real server, and it is not again.
TEST(Delivery, TheRaceIsMailedOnceInTheMinuteOfItsThirdFetch) {
    SKIP_WHERE_NO_SMTP_SERVER_RUNS();
    test::DemoFixture demo({2024, 1, 6, 8, 30, 0});
    ASSERT_TRUE(demo.Download(false).completed);
    demo.LoadDay("20240106");
    TMainForm& form = demo.Form();
    test::SmtpServerProcess server({"real", demo.Path("got.jsonl"), "--auth", "user1", "pw"});
    ASSERT_NE(0, server.Port());
    test::StoreTestMailSettings(MainFormProbe::Settings(form), server.Port());
    QueuedUiThread uiThread;
    form.Mail().AttachMail(uiThread);
    form.Mail().ToggleDelivery();
    EXPECT_TRUE(form.Timers().DeliverTimer.enabled);

    form.Race().DatListClick(0);
    form.Fetches().SokuhoOddsBtnClick();
    const std::string third = Trim(form.Book()[0].FetchTimes[2]);
    ASSERT_EQ(4u, third.size());
    demo.clock.Set({2024, 1, 6, ToInt(third.substr(0, 2)), ToInt(third.substr(2)), 5});
    form.Race().DatListClick(1);
    form.Mail().DeliverTimerTick();
    ASSERT_GE(form.DayList().SelectedRace, 0);  // a race of another course may share the time
    EXPECT_EQ(third, Trim(form.Book()[form.DayList().SelectedRace].FetchTimes[2]));
    ASSERT_FALSE(form.Mail().DeliveryText().empty());
    const std::string heading = form.Mail().DeliveryText().front();
    EXPECT_EQ(0u, heading.rfind("<<", 0)) << heading;
    EXPECT_EQ(heading.size() - 3, heading.rfind("R>>")) << heading;
    for (int i = 0; form.Mail().DeliverySending() && i < 300; ++i)
        uiThread.WaitAndRun(100);

    const std::string got = test::ReadServerRecord(demo.Path("got.jsonl"));
    EXPECT_NE(std::string::npos, got.find("\"to\": [\"phone@example.jp\"]")) << got;
    std::string body;
    for (const std::string& line : form.Mail().DeliveryText())
        body += line + "\r\n";
    const std::string message = ComposeMessage(MainFormProbe::Mail(form).Component().Properties,
                                               demo.clock.Now(), LocalZoneOffsetMinutes());
    EXPECT_NE(std::string::npos,
              message.find("Subject: " + JisToHeader(SjisToJis(heading)) + "\r\n"));
    EXPECT_NE(std::string::npos, message.find("\r\n\r\n" + SjisToJis(body)));
    EXPECT_NE(std::string::npos, got.find(Base64Encode(message)));

    demo.clock.Advance(40);  // the same minute or the next: once only
    form.Mail().DeliverTimerTick();
    EXPECT_TRUE(form.Mail().DeliveryText().empty());
}

}  // namespace
}  // namespace kagiroi
