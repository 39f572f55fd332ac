// Widget tests: one QApplication for the whole program, offscreen unless told otherwise.
#include "app/VelundiaApplication.h"
#include "tests/support/IsolatedTempDir.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    velundia::VelundiaApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    velundia::testing::useIsolatedTempDir();
    return RUN_ALL_TESTS();
}
