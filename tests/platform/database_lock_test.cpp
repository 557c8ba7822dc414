#include "platform/database_lock.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <thread>

namespace tallo {
namespace {

using namespace std::chrono_literals;
using test::TempDir;

// Whether a separate process can take the lock at once (exit code 0 when it could).
bool ChildCanLock(const std::string& folder) {
    const pid_t child = fork();
    if (child == 0) {
        DatabaseLock lock;
        std::string error;
        _exit(lock.Acquire(folder, error, 0ms) ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(DatabaseLockTest, OneWriterAtATimeAndNothingAddedToTheFolder) {
    TempDir dir;
    const std::string folder = dir / "db";
    std::filesystem::create_directories(folder);
    DatabaseLock first;
    std::string error;
    ASSERT_TRUE(first.Acquire(folder, error, 0ms)) << error;
    EXPECT_TRUE(first.IsHeld());
    EXPECT_FALSE(ChildCanLock(folder));

    // A second writer in this process waits, then gives up with the message that names the
    // folder.
    DatabaseLock second;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(second.Acquire(folder, error, 300ms));
    EXPECT_GE(std::chrono::steady_clock::now() - start, 300ms);
    EXPECT_TRUE(second.WasBusy());
    EXPECT_FALSE(second.IsHeld());
    EXPECT_EQ(error, "the database " + folder + " is being changed by another program");

    first.Release();
    EXPECT_TRUE(ChildCanLock(folder));
    EXPECT_TRUE(std::filesystem::is_empty(folder));
}

TEST(DatabaseLockTest, SecondWriterGetsTheLockWhenTheFirstLetsGoInTime) {
    TempDir dir;
    DatabaseLock first;
    std::string error;
    ASSERT_TRUE(first.Acquire(dir.Path(), error));
    std::thread release([&first] {
        std::this_thread::sleep_for(200ms);
        first.Release();
    });
    DatabaseLock second;
    EXPECT_TRUE(second.Acquire(dir.Path(), error, 2000ms)) << error;
    release.join();
    EXPECT_TRUE(second.IsHeld());
    // Gone with the object.
    {
        DatabaseLock scoped;
        second.Release();
        ASSERT_TRUE(scoped.Acquire(dir.Path(), error, 0ms));
        EXPECT_FALSE(ChildCanLock(dir.Path()));
    }
    EXPECT_TRUE(ChildCanLock(dir.Path()));
}

TEST(DatabaseLockTest, AFolderThatCannotBeOpenedIsNamedWithTheReason) {
    TempDir dir;
    test::WriteFile(dir / "file", "x");
    DatabaseLock lock;
    std::string error;
    EXPECT_FALSE(lock.Acquire(dir / "missing", error, 0ms));
    EXPECT_FALSE(lock.WasBusy());
    EXPECT_EQ(error,
              "cannot lock the database folder " + dir / "missing" + ": " + std::strerror(ENOENT));
    EXPECT_FALSE(lock.Acquire(dir / "file", error, 0ms));
    EXPECT_NE(error.find(std::strerror(ENOTDIR)), std::string::npos) << error;
}

} // namespace
} // namespace tallo
