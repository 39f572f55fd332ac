#include "tests/support/IsolatedTempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace velundia::testing {

namespace {

class IsolatedTempDir final : public ::testing::Environment {
public:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "velundia-test-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) return;  // TempDir() stays the shared one
        folder_ = pattern;
        setenv("TEST_TMPDIR", folder_.c_str(), 1);
    }
    void TearDown() override {
        if (folder_.empty()) return;
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

private:
    std::string folder_;
};

}  // namespace

void useIsolatedTempDir() { ::testing::AddGlobalTestEnvironment(new IsolatedTempDir); }  // gtest owns it

}  // namespace velundia::testing
