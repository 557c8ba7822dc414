// Saving under faults: a folder that may not be written, a full disk, and a process that dies
// between writing the temporary file and renaming it. After each, the target holds the old
// content or the new, never a part of either, and no temporary file is left behind (except
// after a crash, where a hidden temporary file may stay while the target is intact).
//
// Each fault is set up in a forked child, so that resource limits, signals, changed user IDs
// and the test hook of the atomic writer never touch the test process itself. The child
// reports through its exit status; the parent checks the files.

#include "formats/kl_file.h"
#include "platform/atomic_file.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

namespace tallo {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

// Exit codes of the children.
constexpr int kChildOk = 0;
constexpr int kChildWrongResult = 1;
constexpr int kChildCannotSetUp = 77;

// Runs `body` in a child process and returns its wait status.
int RunInChild(const std::function<int()>& body) {
    const pid_t pid = fork();
    if (pid == 0) {
        _exit(body());
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid) {
        return -1;
    }
    return status;
}

int ExitCode(int status) {
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names;
    if (DIR* dir = opendir(folder.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..") {
                names.push_back(name);
            }
        }
        closedir(dir);
    }
    return names;
}

// A save through the record file writer: the values, then Close, which commits the file.
bool SaveRecordFile(const std::string& path, int values) {
    CKLFile file;
    if (!file.OpenForWrite(path)) {
        return false;
    }
    file.WriteSectionBegin("BIG");
    for (int i = 0; i < values; ++i) {
        file.WriteInt(i);
    }
    file.WriteSectionEnd("BIG");
    return file.Close();
}

// Makes the child an ordinary user when it runs as root, as root passes every permission check.
bool DropRootInChild() {
    if (geteuid() != 0) {
        return true;
    }
    constexpr uid_t kNobody = 65534;
    return setgroups(0, nullptr) == 0 && setgid(kNobody) == 0 && setuid(kNobody) == 0 &&
           geteuid() == kNobody;
}

// Folder or file write protection ----------------------------------------------------------------

TEST(SaveFaultTest, AReadOnlyFolderRefusesTheSaveAndKeepsTheOldFile) {
    TempDir dir;
    ASSERT_EQ(chmod(dir.Path().c_str(), 0755), 0); // an ordinary user may pass through
    WriteFile(dir / "ro/Country1.sav", "old");
    ASSERT_EQ(chmod((dir / "ro").c_str(), 0555), 0);

    const int status = RunInChild([&] {
        if (!DropRootInChild()) {
            return kChildCannotSetUp;
        }
        const bool atomic = WriteFileAtomically(dir / "ro/Country1.sav", "new");
        const bool recordFile = SaveRecordFile(dir / "ro/Country1.sav", 10);
        const bool fresh = WriteFileAtomically(dir / "ro/Country2.sav", "new");
        return !atomic && !recordFile && !fresh ? kChildOk : kChildWrongResult;
    });
    chmod((dir / "ro").c_str(), 0755);
    if (ExitCode(status) == kChildCannotSetUp) {
        GTEST_SKIP() << "cannot run as an ordinary user";
    }
    EXPECT_EQ(ExitCode(status), kChildOk) << "a save into a read-only folder reported success";
    EXPECT_EQ(ReadFile(dir / "ro/Country1.sav"), "old");
    EXPECT_EQ(Entries(dir / "ro"), std::vector<std::string>{"Country1.sav"});
}

TEST(SaveFaultTest, AReadOnlyFileIsNotReplacedBehindTheUsersBack) {
    TempDir dir;
    ASSERT_EQ(chmod(dir.Path().c_str(), 0777), 0);
    WriteFile(dir / "Rules.sav", "old");
    ASSERT_EQ(chmod((dir / "Rules.sav").c_str(), 0444), 0);

    const int status = RunInChild([&] {
        if (!DropRootInChild()) {
            return kChildCannotSetUp;
        }
        const bool atomic = WriteFileAtomically(dir / "Rules.sav", "new");
        const bool recordFile = SaveRecordFile(dir / "rules.sav", 3);
        return !atomic && !recordFile ? kChildOk : kChildWrongResult;
    });
    if (ExitCode(status) == kChildCannotSetUp) {
        GTEST_SKIP() << "cannot run as an ordinary user";
    }
    EXPECT_EQ(ExitCode(status), kChildOk) << "a read-only file was replaced";
    EXPECT_EQ(ReadFile(dir / "Rules.sav"), "old");
    EXPECT_EQ(Entries(dir.Path()), std::vector<std::string>{"Rules.sav"});
}

// A full disk ----------------------------------------------------------------------------------

// Runs `save` in a child whose files may not grow beyond `limit` bytes. SIGXFSZ is ignored, so
// a write beyond the limit fails with EFBIG as on a full disk. Returns the child's exit code:
// kChildOk when the save reported `expected`.
int SaveWithFileSizeLimit(rlim_t limit, bool expected, const std::function<bool()>& save) {
    return ExitCode(RunInChild([&] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit small{limit, limit};
        if (setrlimit(RLIMIT_FSIZE, &small) != 0) {
            return kChildCannotSetUp;
        }
        return save() == expected ? kChildOk : kChildWrongResult;
    }));
}

TEST(SaveFaultTest, AFullDiskFailsTheSaveAndLeavesTheOldFileWhole) {
    TempDir dir;
    const std::string target = dir / "Country7.sav";
    const std::string old(3000, 'o');
    const std::string large(20000, 'n');
    WriteFile(target, old);

    // The limit falls at the start, inside and at the very end of the new content.
    for (rlim_t limit : {rlim_t{0}, rlim_t{1}, rlim_t{4096}, rlim_t{19999}}) {
        SCOPED_TRACE(limit);
        EXPECT_EQ(
            SaveWithFileSizeLimit(limit, false, [&] { return WriteFileAtomically(target, large); }),
            kChildOk);
        EXPECT_EQ(ReadFile(target), old);
        EXPECT_EQ(Entries(dir.Path()), std::vector<std::string>{"Country7.sav"});
    }
    // With room enough the same save goes through.
    EXPECT_EQ(
        SaveWithFileSizeLimit(20000, true, [&] { return WriteFileAtomically(target, large); }),
        kChildOk);
    EXPECT_EQ(ReadFile(target), large);
    EXPECT_EQ(Entries(dir.Path()), std::vector<std::string>{"Country7.sav"});
}

TEST(SaveFaultTest, AFullDiskFailsTheRecordFileCloseAndCreatesNothing) {
    TempDir dir;
    const std::string existing = dir / "Country1.sav";
    WriteFile(existing, "%INDEX%OLD\r\n%INDEXEND%OLD\r\n");

    EXPECT_EQ(SaveWithFileSizeLimit(1000, false, [&] { return SaveRecordFile(existing, 5000); }),
              kChildOk);
    EXPECT_EQ(ReadFile(existing), "%INDEX%OLD\r\n%INDEXEND%OLD\r\n");
    // A file that did not exist is not created half-written either.
    EXPECT_EQ(SaveWithFileSizeLimit(1000, false,
                                    [&] { return SaveRecordFile(dir / "Country2.sav", 5000); }),
              kChildOk);
    EXPECT_EQ(Entries(dir.Path()), std::vector<std::string>{"Country1.sav"});
}

// A crash in the middle of a save ---------------------------------------------------------------

// What the temporary file must hold when the hook is reached, set by the child before it saves.
std::string expectedTemporaryContent;

// Checks the finished temporary file, then dies as a crash would, before the rename.
void CrashBeforeRename(const std::string& temporaryPath, const std::string& targetPath) {
    struct stat info;
    const bool beside = temporaryPath.rfind('/') == targetPath.rfind('/') &&
                        temporaryPath.compare(0, temporaryPath.rfind('/'), targetPath, 0,
                                              targetPath.rfind('/')) == 0;
    if (!beside || stat(temporaryPath.c_str(), &info) != 0 ||
        ReadFile(temporaryPath) != expectedTemporaryContent) {
        _exit(kChildWrongResult);
    }
    raise(SIGKILL);
}

// Only hidden temporary files named after the target may be left beside it.
void ExpectOnlyTargetAndItsTemporaryFiles(const std::string& folder, const std::string& name) {
    bool targetSeen = false;
    for (const std::string& entry : Entries(folder)) {
        if (entry == name) {
            targetSeen = true;
            continue;
        }
        EXPECT_EQ(entry.rfind("." + name + ".", 0), 0u) << "unexpected file " << entry;
    }
    EXPECT_TRUE(targetSeen);
}

TEST(SaveFaultTest, ACrashBeforeTheRenameLeavesTheOldTarget) {
    TempDir dir;
    const std::string target = dir / "Without.sav";
    WriteFile(target, "old");

    const int status = RunInChild([&] {
        expectedTemporaryContent = "new content";
        SetAtomicWriteHookForTesting(CrashBeforeRename);
        WriteFileAtomically(target, "new content");
        return kChildWrongResult; // not reached: the hook kills the child
    });
    ASSERT_TRUE(WIFSIGNALED(status)) << "exit code " << ExitCode(status);
    EXPECT_EQ(WTERMSIG(status), SIGKILL);
    EXPECT_EQ(ReadFile(target), "old");
    ExpectOnlyTargetAndItsTemporaryFiles(dir.Path(), "Without.sav");

    // The next save works in spite of the leftover and replaces the target.
    ASSERT_TRUE(WriteFileAtomically(target, "newer"));
    EXPECT_EQ(ReadFile(target), "newer");
}

TEST(SaveFaultTest, ACrashWhileClosingARecordFileLeavesTheOldTarget) {
    TempDir dir;
    const std::string target = dir / "Country3.sav";
    WriteFile(target, "old");

    const int status = RunInChild([&] {
        CKLFile file;
        file.OpenForWrite(target);
        file.WriteSectionBegin("COUNTRY");
        file.WriteString("Atlantis");
        file.WriteSectionEnd("COUNTRY");
        expectedTemporaryContent = file.WrittenText();
        SetAtomicWriteHookForTesting(CrashBeforeRename);
        file.Close();
        return kChildWrongResult;
    });
    ASSERT_TRUE(WIFSIGNALED(status)) << "exit code " << ExitCode(status);
    EXPECT_EQ(ReadFile(target), "old");
    ExpectOnlyTargetAndItsTemporaryFiles(dir.Path(), "Country3.sav");
}

TEST(SaveFaultTest, AProcessKilledWhileWritingTheTemporaryFileLeavesTheOldTarget) {
    TempDir dir;
    const std::string target = dir / "Country4.sav";
    WriteFile(target, "old");

    // SIGXFSZ keeps its default action here: the write past the limit kills the child in the
    // middle of the temporary file.
    const int status = RunInChild([&] {
        const rlimit small{100, 100};
        if (setrlimit(RLIMIT_FSIZE, &small) != 0) {
            return kChildCannotSetUp;
        }
        WriteFileAtomically(target, std::string(5000, 'n'));
        return kChildWrongResult;
    });
    ASSERT_NE(ExitCode(status), kChildCannotSetUp);
    ASSERT_TRUE(WIFSIGNALED(status)) << "exit code " << ExitCode(status);
    EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
    EXPECT_EQ(ReadFile(target), "old");
    ExpectOnlyTargetAndItsTemporaryFiles(dir.Path(), "Country4.sav");
}

} // namespace
} // namespace tallo
