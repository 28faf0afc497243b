#pragma once

#include "app/TMainForm.h"
#include "cli/CliOutput.h"
#include "cli/CliRun.h"
#include "support/FakeJvLink.h"
#include "support/FakePorts.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kagiroi::test {

// Every run starts its clock on a Wednesday morning: the demo races on the weekends around it
// and on that day itself, whose first races have run by then.
inline constexpr const char* kCliNow = "2024-01-10T11:00:00";
inline constexpr DateTime kCliNowTime{2024, 1, 10, 11, 0, 0};
inline constexpr const char* kToday = "2024-01-10";
inline constexpr const char* kPastDay = "2024-01-07";  // the Sunday before, settled

// The main window in the test's own process, on a folder kagiroi-cli has worked on, with fake
// ports and a clock standing at the runs' start. It reads the same files the runs stored.
class InProcessForm {
  public:
    explicit InProcessForm(const std::string& folder);

    // Loads DAY ("yyyy-mm-dd") from the date list; fails the test when the list lacks it.
    void LoadDay(const std::string& day);

    FakeUi ui;
    FakeClock clock{kCliNowTime};
    FakeClipboard clipboard;
    FakeShell shell;
    FakeRegistry registry;
    FakeJvLink jvLink;
    TMainForm form;
};

// A test with a program folder of its own, and runs of kagiroi-cli on it.
class CliTest : public ::testing::Test {
  protected:
    CliRun Run(const std::vector<std::string>& args) const;
    CliEnvironment Environment() const { return {home.Path(), kCliNow, registry}; }
    // Fills the folder with the days of one download with the final odds (made once, then
    // copied, so that every test starts from the same store).
    void UseDownloadedDays() const { UseDownloadedDays(home.Path()); }
    static void UseDownloadedDays(const std::string& folder);

    TempFolder home;
    std::string registry = home / "installer-records.ini";
};

// A store as it stands on a race-day morning, the clock at 09:35 of 2026-12-12: the day's cards
// and final odds downloaded at 08:00 and race 1's odds fetched since; no race of the day has
// run, and the next day's races have no runners yet.
class CliRaceMorningTest : public CliTest {
  protected:
    void SetUp() override;
    CliRun RunAt935(const std::vector<std::string>& args) const;
};

// "yyyy-mm-dd" of a day text of the date list.
std::string IsoDay(const std::string& dayText);

}  // namespace kagiroi::test
