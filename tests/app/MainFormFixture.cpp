#include "app/MainFormFixture.h"

#include <gtest/gtest.h>

namespace kagiroi::test {

TMainForm& MainFormFixture::Started() {
    std::string error;
    EXPECT_TRUE(Form().FormCreate(&error)) << error;
    return Form();
}

TMainForm& MainFormFixture::LoadedFirstDay() {
    TMainForm& form = Started();
    form.DateListChange(0);
    jvLink.calls.clear();
    ui.Clear();
    return form;
}

}  // namespace kagiroi::test
