#pragma once

#include "app/TMainForm.h"
#include "support/DayBuilder.h"
#include "support/FakeJvLink.h"
#include "support/FakePorts.h"
#include "support/TempFolder.h"
#include "widgets/QtPorts.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kagiroi::test {

// A form created over fake ports at 09:00 on 2024-01-13, with 2024-01-06 stored (Nakayama and
// the venues given), and the Qt ports a window over it needs.
class FakeFormWindowTest : public ::testing::Test {
  protected:
    explicit FakeFormWindowTest(const std::vector<std::string>& venues)
        : races(MakeDay("20240106", venues)),
          clock({2024, 1, 13, 9, 0, 0}),
          form(folder.Path(), {ui, clock, clipboard, shell, registry}, jvLink) {
        WriteRaces(folder.Path(), races);
        std::string error;
        EXPECT_TRUE(form.FormCreate(&error)) << error;
    }

    TempFolder folder;
    std::vector<RaceSpec> races;
    FakeUi ui;
    FakeClock clock;
    FakeClipboard clipboard;
    FakeShell shell;
    FakeRegistry registry;
    FakeJvLink jvLink;
    TMainForm form;
    QtUi qtUi;
};

}  // namespace kagiroi::test
