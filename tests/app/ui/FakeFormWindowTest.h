#pragma once

#include "app/MainFormFixture.h"
#include "support/DayBuilder.h"
#include "widgets/QtPorts.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kagiroi::test {

// A form started over fake ports at 09:00 on 2024-01-13, with 2024-01-06 stored (Nakayama and
// the venues given), and the Qt ports a window over it needs.
class FakeFormWindowTest : public ::testing::Test, public MainFormFixture {
  protected:
    explicit FakeFormWindowTest(const std::vector<std::string>& venues)
        : MainFormFixture({2024, 1, 13, 9, 0, 0}),
          races(MakeDay("20240106", venues)),
          form(Form()) {
        WriteRaces(folder.Path(), races);
        Started();
    }

    std::vector<RaceSpec> races;
    TMainForm& form;
    QtUi qtUi;
};

}  // namespace kagiroi::test
