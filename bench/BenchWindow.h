#pragma once

#include "app/TMainForm.h"
#include "support/FakeJvLink.h"
#include "support/FakePorts.h"
#include "support/TempFolder.h"

#include <memory>
#include <string>
#include <vector>

namespace kagiroi::bench {

// A program folder holding the given day records and a main window started on it, a week
// after the bench day so that no race-day timer starts.
struct BenchWindow {
    explicit BenchWindow(const std::vector<std::string>& records);

    // Chooses the day from the date list, as a user does; throws unless its 36 races load.
    void ChooseDay(const std::string& dayText);

    test::TempFolder folder;
    test::FakeUi ui;
    test::FakeClock clock{{2024, 1, 13, 9, 0, 0}};
    test::FakeClipboard clipboard;
    test::FakeShell shell;
    test::FakeRegistry registry;
    test::FakeJvLink jvLink;
    std::unique_ptr<TMainForm> form;
};

}  // namespace kagiroi::bench
