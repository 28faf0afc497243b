#include "app/MainFormFixture.h"
#include "datalink/RealTimeFetch.h"
#include "datalink/TGetDataForm.h"
#include "daystore/RecordLayout.h"
#include "platform/TextField.h"
#include "support/DayBuilder.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

#include <utility>

namespace kagiroi {
namespace {

// Timers and buttons that arrive while a request is open must leave it alone.
class NestedRequests : public ::testing::Test {
  protected:
    NestedRequests() : f({2024, 1, 6, 11, 0, 0}) {
        test::WriteRaces(f.folder.Path(), test::MakeDay("20240106", {"06"}));
    }
    // A download of two records, one file, from the fake service.
    void QueueDownload() {
        f.jvLink.openReadCount = 1;
        f.jvLink.QueueRecord(test::RaceRecord({"20240113", "06", 1}));
        f.jvLink.QueueRecord(test::RaceRecord({"20240113", "06", 2}));
        f.jvLink.QueueCode(-1);
        f.jvLink.QueueCode(0);
    }
    test::MainFormFixture f;
};

TEST_F(NestedRequests, TimersAndButtonsInsideADownloadLeaveItsRequestAlone) {
    TMainForm& form = f.LoadedFirstDay();
    QueueDownload();
    bool inside = false;  // a fetch that did start must not recurse for ever
    f.ui.onProcessEvents = [&] {
        if (std::exchange(inside, true)) return;
        form.Fetches().AutoOddsTimerTick();
        form.Fetches().ResultsTimerTick();
        form.Fetches().ChangeTimerTick();
        form.Fetches().SokuhoOddsBtnClick();
        inside = false;
    };
    TGetDataForm download = form.DownloadDialog();
    download.FormCreate();
    download.StartClick();
    EXPECT_TRUE(download.Summary().completed);
    EXPECT_EQ(2, download.Summary().recordsStored);
    EXPECT_EQ(0, f.jvLink.CallCount("JVRTOpen"));
    EXPECT_EQ(1, f.jvLink.CallCount("JVClose"));
    EXPECT_TEXT_EQ(ServiceBusyText(), form.Status().DownloadLabel.text)
        << "the pressed button says why";
}

TEST_F(NestedRequests, AButtonOrADownloadInsideAFetchIsRefusedWithABeep) {
    TMainForm& form = f.LoadedFirstDay();
    f.jvLink.QueueRecord(test::RaceRecord({"20240106", "06", 1}));
    TGetDataForm download = form.DownloadDialog();
    download.FormCreate();
    bool pressed = false;
    f.ui.onProcessEvents = [&] {
        if (pressed) return;
        pressed = true;
        f.ui.Clear();
        form.Fetches().SokuhoOddsBtnClick();
        download.StartClick();
        EXPECT_EQ(2, f.ui.BeepCount());
        EXPECT_TEXT_EQ(ServiceBusyText(), f.ui.Messages().back());
    };
    form.Fetches().ResultsBtnClick();
    ASSERT_TRUE(pressed);
    EXPECT_EQ(0, f.jvLink.CallCount("JVRTOpen:0B30"));
    EXPECT_EQ(0, f.jvLink.CallCount("JVOpen"));
    EXPECT_EQ(1, f.jvLink.CallCount("JVClose")) << "the results fetch closes its own";
    EXPECT_EQ(std::string::npos, f.ui.Messages().back().find("JVClose"));
}

TEST_F(NestedRequests, OddsDueDuringADownloadAreFetchedAfterItEnds) {
    TMainForm& form = f.LoadedFirstDay();
    const RaceSlot& slot = form.Book()[2];
    std::string due = Trim(slot.FetchTimes[0]);
    f.clock.Set({2024, 1, 6, ToInt(due.substr(0, 2)), ToInt(due.substr(2, 2)), 0});
    QueueDownload();
    f.ui.onProcessEvents = [&] { form.Fetches().AutoOddsTimerTick(); };
    TGetDataForm download = form.DownloadDialog();
    download.FormCreate();
    download.StartClick();
    ASSERT_TRUE(download.Summary().completed);
    f.ui.onProcessEvents = nullptr;

    f.clock.Advance(5 * 60);  // both of the race's fetch minutes have passed
    form.Fetches().AutoOddsTimerTick();
    EXPECT_EQ(1, f.jvLink.CallCount("JVRTOpen:0B30:" + FieldAt(slot.RaceInfo, RaceHead::RaceKey)));
}

}  // namespace
}  // namespace kagiroi
