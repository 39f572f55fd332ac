// Test main for layers that need no Qt.
#include "tests/support/IsolatedTempDir.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    velundia::testing::useIsolatedTempDir();
    return RUN_ALL_TESTS();
}
