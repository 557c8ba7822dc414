#include "platform/instance_lock.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

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
    MapEnvironment env(Vars{{"XDG_RUNTIME_DIR", "/run/user/7"}, {"TMPDIR", "/var/tmp"}});
    EXPECT_EQ(InstanceLock("RVN EDITOR MUTEX", env).LockFilePath(),
              "/run/user/7/RVN_EDITOR_MUTEX.lock");
    env.Set("XDG_RUNTIME_DIR", "");
    EXPECT_EQ(InstanceLock("a/b", env).LockFilePath(), "/var/tmp/a_b.lock");
    EXPECT_EQ(InstanceLock("x", MapEnvironment()).LockFilePath(), "/tmp/x.lock");
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
