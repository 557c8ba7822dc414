#include "platform/instance_lock.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tallo {
namespace {

using test::TempDir;
using Vars = std::map<std::string, std::string>;

// Whether a separate process can take the lock: a forked child tries and reports by its exit
// code (0 when it got the lock).
bool ChildCanAcquire(const std::string& name, const Environment& env) {
    pid_t child = fork();
    if (child == 0) {
        InstanceLock lock(name, env);
        _exit(lock.TryAcquire() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(InstanceLockTest, LockFileIsNamedAfterTheMutex) {
    MapEnvironment env(Vars{{"XDG_RUNTIME_DIR", "/run/user/7"},
                            {"TMPDIR", "/var/tmp"},
                            {"XDG_CACHE_HOME", "/home/u/cache"},
                            {"HOME", "/home/u"}});
    EXPECT_EQ(InstanceLock("RVN EDITOR MUTEX", env).LockFilePath(),
              "/run/user/7/RVN_EDITOR_MUTEX.lock");
    // Without a runtime folder: a folder of the user's own, never the shared temporary folder.
    env.Set("XDG_RUNTIME_DIR", "");
    EXPECT_EQ(InstanceLock("a/b", env).LockFilePath(), "/home/u/cache/vantor-sports/a_b.lock");
    env.Set("XDG_CACHE_HOME", "relative/cache"); // not absolute: ignored, as XDG says
    EXPECT_EQ(InstanceLock("x", env).LockFilePath(), "/home/u/.cache/vantor-sports/x.lock");
}

TEST(InstanceLockTest, CacheFolderIsMadeForTheUserAlone) {
    TempDir dir;
    MapEnvironment env(Vars{{"HOME", dir.Path()}, {"TMPDIR", dir / "tmp"}});
    InstanceLock lock("RVN EDITOR MUTEX", env);
    ASSERT_TRUE(lock.TryAcquire());
    EXPECT_EQ(lock.LockFilePath(), dir / ".cache/vantor-sports/RVN_EDITOR_MUTEX.lock");
    struct stat info;
    ASSERT_EQ(stat((dir / ".cache/vantor-sports").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_FALSE(ChildCanAcquire("RVN EDITOR MUTEX", env));
    lock.Release();
    EXPECT_TRUE(ChildCanAcquire("RVN EDITOR MUTEX", env));
}

// A folder in place of ours that belongs to someone else is not used.
TEST(InstanceLockTest, CacheFolderOfAnotherUserIsRefused) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "only the superuser can give a folder to another user";
    }
    TempDir dir;
    const std::string theirs = dir / "cache/vantor-sports";
    std::filesystem::create_directories(theirs);
    ASSERT_EQ(chown(theirs.c_str(), 4242, 4242), 0);
    InstanceLock lock("M", MapEnvironment(Vars{{"XDG_CACHE_HOME", dir / "cache"}}));
    EXPECT_FALSE(lock.TryAcquire());
    EXPECT_FALSE(std::filesystem::exists(theirs + "/M.lock"));
}

TEST(InstanceLockTest, SecondProcessIsRefusedUntilRelease) {
    TempDir dir;
    MapEnvironment env(Vars{{"XDG_RUNTIME_DIR", dir.Path()}});
    {
        InstanceLock lock("RVN EDITOR MUTEX", env);
        ASSERT_TRUE(lock.TryAcquire());
        EXPECT_TRUE(lock.IsHeld());
        EXPECT_TRUE(lock.TryAcquire()); // holding it already
        EXPECT_FALSE(ChildCanAcquire("RVN EDITOR MUTEX", env));
        EXPECT_TRUE(ChildCanAcquire("OTHER MUTEX", env));
        // A second holder in this process is refused as well.
        InstanceLock second("RVN EDITOR MUTEX", env);
        EXPECT_FALSE(second.TryAcquire());
        EXPECT_FALSE(second.IsHeld());

        lock.Release();
        EXPECT_FALSE(lock.IsHeld());
        EXPECT_TRUE(ChildCanAcquire("RVN EDITOR MUTEX", env));
        ASSERT_TRUE(lock.TryAcquire());
    }
    // Gone with the object.
    EXPECT_TRUE(ChildCanAcquire("RVN EDITOR MUTEX", env));
}

TEST(InstanceLockTest, FailsWhenTheLockFolderIsMissing) {
    TempDir dir;
    InstanceLock lock("M", MapEnvironment(Vars{{"XDG_RUNTIME_DIR", dir / "missing"}}));
    EXPECT_FALSE(lock.TryAcquire());
    EXPECT_FALSE(lock.IsHeld());
}

} // namespace
} // namespace tallo
