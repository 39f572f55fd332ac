#pragma once

namespace velundia::testing {

// CTest runs every test case as a process of its own, several at once; cases that write files
// into ::testing::TempDir() would then meet. This gives each test process a fresh folder of its
// own as TempDir() and removes it when the tests end. Call it from main after InitGoogleTest.
void useIsolatedTempDir();

}  // namespace velundia::testing
