#pragma once

#include "app/TMainForm.h"
#include "support/FakeJvLink.h"
#include "support/FakePorts.h"
#include "support/TempFolder.h"

#include <memory>

namespace kagiroi::test {

// A main window state on a temporary program folder with fake ports and data service.
class MainFormFixture {
  public:
    explicit MainFormFixture(DateTime now = {2024, 1, 6, 9, 0, 0}) : clock(now) {}

    TMainForm& Form() {
        if (!form_) form_ = std::make_unique<TMainForm>(folder.Path(), Ports(), jvLink);
        return *form_;
    }
    // Runs the start-up; fails the test when it does not succeed.
    TMainForm& Started();
    // Started with the first day of the date list loaded, and the calls and screen cleared.
    TMainForm& LoadedFirstDay();
    MainFormPorts Ports() { return {ui, clock, clipboard, shell, registry}; }
    std::string Path(const std::string& name) const { return folder / name; }

    TempFolder folder;
    FakeUi ui;
    FakeClock clock;
    FakeClipboard clipboard;
    FakeShell shell;
    FakeRegistry registry;
    FakeJvLink jvLink;

  private:
    std::unique_ptr<TMainForm> form_;
};

}  // namespace kagiroi::test
