#include "app/MainFormFixture.h"

#include <gtest/gtest.h>

namespace kagiroi::test {

TMainForm& MainFormFixture::Started() {
    std::string error;
    EXPECT_TRUE(Form().FormCreate(&error)) << error;
    return Form();
}

}  // namespace kagiroi::test
