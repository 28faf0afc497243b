#include "app/DemoFixture.h"
#include "daystore/RaceDay.h"
#include "daystore/RecordLayout.h"
#include "platform/Sjis.h"
#include "platform/TextField.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

#include <set>

namespace kagiroi {
namespace {

// A race day on the demo service with the window's timers firing inside every read loop, and a
// long download started at 11:00 while they fire: the download and every fetch complete.
TEST(DemoRaceDay, ADownloadAmidTheTimersCompletesAndSoDoesEveryFetch) {
    test::DemoFixture demo({2024, 1, 6, 8, 30, 0});
    ASSERT_TRUE(demo.Download(false).completed);
    demo.LoadDay("20240106");
    TMainForm& form = demo.Form();
    test::FakeTimers timers(demo.clock);
    std::set<std::string> tickedInsideDownload;
    bool downloading = false;
    auto timer = [&](const TimerState& state, const char* name, void (RaceDayFetches::*tick)()) {
        timers.Add(state.enabled, state.intervalMs, [&, name, tick] {
            if (downloading) tickedInsideDownload.insert(name);
            (form.Fetches().*tick)();
        });
    };
    timer(form.Timers().AutoOddsTimer, "odds", &RaceDayFetches::AutoOddsTimerTick);
    timer(form.Timers().ResultsTimer, "results", &RaceDayFetches::ResultsTimerTick);
    timer(form.Timers().ChangeTimer, "change", &RaceDayFetches::ChangeTimerTick);
    demo.ui.timers = &timers;
    auto runUntil = [&](int hour, int minute) {
        while (ToSerialSeconds(demo.clock.Now()) < ToSerialSeconds({2024, 1, 6, hour, minute, 0})) {
            demo.clock.Advance(20);
            timers.RunDue();
        }
    };
    runUntil(11, 0);

    // The clock runs on inside the download's loops for a quarter of an hour.
    const int64_t quarterPast = ToSerialSeconds({2024, 1, 6, 11, 15, 0});
    demo.ui.onProcessEvents = [&] {
        if (downloading && ToSerialSeconds(demo.clock.Now()) < quarterPast) demo.clock.Advance(1);
    };
    TGetDataForm download = form.DownloadDialog();
    download.FormCreate();
    download.StartDate = {2023, 12, 23, 0, 0, 0};  // a long read
    downloading = true;
    download.StartClick();
    while (download.StatusTimerEnabled) {
        demo.ui.ProcessEvents();
        download.StatusTimerTick();
    }
    downloading = false;
    EXPECT_TRUE(download.Summary().completed);
    EXPECT_EQ((std::set<std::string>{"change", "odds", "results"}), tickedInsideDownload);
    form.AfterDownload();
    demo.LoadDay("20240106");
    runUntil(17, 0);

    std::set<std::string> oddsFetched;
    for (const auto& call : demo.recording->calls) {
        if (call.what.rfind("JVRTOpen:0B30:", 0) == 0) oddsFetched.insert(call.what.substr(14));
        EXPECT_TRUE(call.result == 0 || (call.result == -1 && call.what.rfind("JVRTOpen", 0) == 0))
            << call.what << " answered " << call.result << " at "
            << FormatDateTime(call.at, "hhnn");
    }
    for (const RaceSlot& slot : form.Book().slots) {
        if (slot.IsEmpty()) continue;
        EXPECT_EQ(1u, oddsFetched.count(FieldAt(slot.RaceInfo, RaceHead::RaceKey)))
            << RaceListText(slot);
        EXPECT_FALSE(IsBlank(slot.HrCopy)) << RaceListText(slot) << " has no payouts";
    }
    EXPECT_EQ(std::string::npos, demo.ErrorLogText().find("【エラー】"))
        << SjisToUtf8(demo.ErrorLogText());
}

// The road of a missed fetch: the download, tomorrow chosen, then today chosen in the date box
// before its first races' fetch minutes. Each of those races is fetched in its minutes, and
// none of tomorrow's while tomorrow was loaded.
TEST(DemoRaceDay, TheTimersFollowWhicheverDayIsLoaded) {
    test::DemoFixture demo({2024, 1, 6, 9, 20, 0});
    ASSERT_TRUE(demo.Download(false).completed);
    TMainForm& form = demo.Form();
    EXPECT_TEXT_EQ("2024年01月06日", form.DayList().DateText) << "today, not tomorrow";
    test::FakeTimers timers(demo.clock);
    timers.Add(form.Timers().AutoOddsTimer.enabled, form.Timers().AutoOddsTimer.intervalMs,
               [&] { form.Fetches().AutoOddsTimerTick(); });
    auto runFor = [&](int minutes) {
        for (int s = 0; s < minutes * 60; s += 20) {
            demo.clock.Advance(20);
            timers.RunDue();
        }
    };
    demo.LoadDay("20240107");
    runFor(10);
    demo.LoadDay("20240106");
    const int64_t chosenAt = ToSerialSeconds(demo.clock.Now());
    runFor(40);
    std::set<std::string> fetched;
    for (const auto& call : demo.recording->calls)
        if (call.what.rfind("JVRTOpen:0B30:", 0) == 0) {
            EXPECT_GE(ToSerialSeconds(call.at), chosenAt) << call.what;
            fetched.insert(call.what.substr(14));
        }
    int due = 0;
    for (const RaceSlot& slot : form.Book().slots) {
        if (slot.IsEmpty() || slot.FetchTimes[0] < "0931" || slot.FetchTimes[0] >= "1010") continue;
        ++due;
        EXPECT_EQ(1u, fetched.count(FieldAt(slot.RaceInfo, RaceHead::RaceKey)))
            << RaceListText(slot) << " due at " << slot.FetchTimes[0];
    }
    EXPECT_GT(due, 0);
}

}  // namespace
}  // namespace kagiroi
