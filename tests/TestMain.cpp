// The entry point of every test program. Each test runs in a fresh directory
// of its own under the program's scratch directory, so tests that write
// files (pictures, levels, saved games) never meet the files of another test,
// even when CTest runs several of them at once. The menus are installed as
// the screens the play screen hands over to, as the game installs them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "app/ScreenFactories.h"

namespace {

class OwnDirectory : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo& test) override
    {
        std::error_code error;
        home_ = std::filesystem::current_path(error);
        const std::filesystem::path own = home_ / (std::string(test.test_suite_name()) + "." + test.name());
        std::filesystem::remove_all(own, error);
        std::filesystem::create_directories(own, error);
        std::filesystem::current_path(own, error);
    }

    void OnTestEnd(const ::testing::TestInfo&) override
    {
        std::error_code error;
        std::filesystem::current_path(home_, error);
    }

    std::filesystem::path home_;
};

} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    installScreenFactories();
    ::testing::UnitTest::GetInstance()->listeners().Append(new OwnDirectory);
    return RUN_ALL_TESTS();
}
