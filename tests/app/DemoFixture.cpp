#include "app/DemoFixture.h"

#include "datalink/ChosenSourceJvLink.h"
#include "daystore/DayFiles.h"
#include "demo/DemoJvLink.h"
#include "platform/FileSystem.h"

#include <gtest/gtest.h>

namespace kagiroi::test {

DemoFixture::DemoFixture(DateTime now)
    : clock(now),
      settings(folder / "kagiroi.ini"),
      service(CreateChosenSourceJvLink(settings, clock, nullptr, MakeDemoJvLink)),
      recording(std::make_unique<RecordingJvLink>(*service, clock)) {
    form_ = std::make_unique<TMainForm>(
        folder.Path(), MainFormPorts{ui, clock, clipboard, shell, registry}, *recording);
    std::string error;
    EXPECT_TRUE(form_->FormCreate(&error)) << error;
    form_->FormShow();
}

DownloadSummary DemoFixture::Download(bool finalOdds, int dataChoice) {
    TGetDataForm download = form_->DownloadDialog();
    download.FormCreate();
    download.FinalOdds = finalOdds;
    download.DataChoice = dataChoice;
    download.StartClick();
    for (int polls = 0; download.StatusTimerEnabled && polls < 100000; ++polls)
        download.StatusTimerTick();
    EXPECT_FALSE(download.Running());
    form_->AfterDownload();
    return download.Summary();
}

void DemoFixture::LoadDay(const std::string& yyyymmdd) {
    auto day = DayTextFromDate(yyyymmdd);
    ASSERT_TRUE(day.has_value());
    const auto& days = form_->DayList().DateList;
    auto found = std::find(days.begin(), days.end(), *day);
    ASSERT_NE(days.end(), found) << yyyymmdd << " is not in the store";
    form_->DateListChange(static_cast<int>(found - days.begin()));
}

std::string DemoFixture::ErrorLogText() const {
    return ReadWholeFile(folder / "ErrorLog.txt").value_or("");
}

}  // namespace kagiroi::test
