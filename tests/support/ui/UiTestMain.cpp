// The UI tests run on an application object of their own (offscreen platform under ctest).
#include <gtest/gtest.h>
#include <QApplication>

int main(int argc, char** argv) {
    // No display is needed: listing and running the tests both draw offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
