// Test main for layers that draw text: fonts need a QGuiApplication. Tests always run
// headless, also when CTest lists them before running.
#include "tests/support/IsolatedTempDir.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    velundia::testing::useIsolatedTempDir();
    return RUN_ALL_TESTS();
}
