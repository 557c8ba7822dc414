#include "platform/atomic_file.h"
#include "platform/atomic_write_batch.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <span>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace tallo {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

size_t EntryCount(const std::string& folder) {
    size_t count = 0;
    DIR* dir = opendir(folder.c_str());
    while (const dirent* entry = readdir(dir)) {
        count += std::string(entry->d_name) != "." && std::string(entry->d_name) != "..";
    }
    closedir(dir);
    return count;
}

TEST(AtomicFileTest, WritesAndReplacesWithoutLeavingTemporaryFiles) {
    TempDir dir;
    const std::string bytes("a\0b\r\n\x1A", 6);
    ASSERT_TRUE(WriteFileAtomically(dir / "Country1.sav", bytes));
    EXPECT_EQ(ReadFile(dir / "Country1.sav"), bytes);
    // The same file under another case is replaced, not doubled.
    ASSERT_TRUE(WriteFileAtomically(dir / "country1.SAV", "new"));
    EXPECT_EQ(ReadFile(dir / "Country1.sav"), "new");
    ASSERT_TRUE(WriteFileAtomically(dir / "Country1.sav", ""));
    EXPECT_EQ(ReadFile(dir / "Country1.sav"), "");
    EXPECT_EQ(EntryCount(dir.Path()), 1u);
}

// Large files are handed to the disk in pieces as they are written: pieces of the caller that
// end short of, exactly on and past those boundaries all arrive whole and in order.
TEST(AtomicFileTest, LargeFilesWrittenInPiecesArriveWhole) {
    TempDir dir;
    std::string bytes(9 * 1024 * 1024 + 77, '\0');
    for (size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>((i * 2654435761u) >> 13);
    }
    const std::string_view all(bytes);
    const size_t MiB = 1024 * 1024;
    const std::vector<std::string_view> pieces{
        all.substr(0, 1), all.substr(1, 2 * MiB - 1), all.substr(2 * MiB, 0),
        all.substr(2 * MiB, 3 * MiB + 5), all.substr(5 * MiB + 5, all.size() - 5 * MiB - 5)};
    ASSERT_TRUE(WriteFileAtomically(dir / "Master.dat", std::span(pieces)));
    const std::string read = ReadFile(dir / "Master.dat");
    ASSERT_EQ(read.size(), bytes.size());
    EXPECT_TRUE(read == bytes) << "the file differs from what was written";
    EXPECT_EQ(EntryCount(dir.Path()), 1u);
}

// Many pieces (more than go to the system in one call, empty ones among them) arrive whole and
// in order, in a file and through a pipe whose reader takes them a little at a time.
TEST(AtomicFileTest, WriteAllOfManyPiecesKeepsTheirOrder) {
    std::string bytes;
    std::vector<size_t> sizes;
    for (size_t i = 0; i < 700; ++i) {
        const size_t size = i % 7 == 0 ? 0 : (i * 977) % 5000;
        sizes.push_back(size);
        for (size_t k = 0; k < size; ++k) {
            bytes.push_back(static_cast<char>((i * 31 + k) % 251));
        }
    }
    std::vector<std::string_view> pieces;
    size_t at = 0;
    for (size_t size : sizes) {
        pieces.push_back(std::string_view(bytes).substr(at, size));
        at += size;
    }
    TempDir dir;
    ASSERT_TRUE(WriteFileAtomically(dir / "many", std::span(pieces)));
    EXPECT_TRUE(ReadFile(dir / "many") == bytes) << "the file differs from the pieces";

    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    std::string received;
    std::thread reader([&received, in = ends[0]] {
        char buffer[1000];
        for (ssize_t got; (got = read(in, buffer, sizeof buffer)) > 0;) {
            received.append(buffer, static_cast<size_t>(got));
        }
    });
    EXPECT_TRUE(WriteAll(ends[1], std::span<const std::string_view>(pieces)));
    close(ends[1]);
    reader.join();
    close(ends[0]);
    EXPECT_TRUE(received == bytes)
        << "the pipe gave " << received.size() << " of " << bytes.size() << " bytes";
}

size_t OpenHandleCount() {
    return EntryCount("/proc/self/fd");
}

// A large file replaced is let go of apart from the write: the new bytes are in place at once,
// a second name of the old file keeps the old bytes, and no handle on an old file stays open.
TEST(AtomicFileTest, ReplacedLargeFilesAreLetGoOf) {
    TempDir dir;
    const size_t handles = OpenHandleCount();
    const std::string first(3 * 1024 * 1024, 'a');
    const std::string second(3 * 1024 * 1024 + 1, 'b');
    ASSERT_TRUE(WriteFileAtomically(dir / "Master.dat", first));
    ASSERT_EQ(link((dir / "Master.dat").c_str(), (dir / "Copy.dat").c_str()), 0);
    ASSERT_TRUE(WriteFileAtomically(dir / "Master.dat", second));
    EXPECT_TRUE(ReadFile(dir / "Master.dat") == second);
    EXPECT_TRUE(ReadFile(dir / "Copy.dat") == first);
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(WriteFileAtomically(dir / "Master.dat", round % 2 == 0 ? first : second));
        EXPECT_TRUE(ReadFile(dir / "Master.dat") == (round % 2 == 0 ? first : second));
    }
    // The same through a batch, which looks at its targets itself: the large ones are let go
    // of, a new one is renamed without a look.
    {
        AtomicWriteBatch batch;
        ASSERT_TRUE(WriteFileAtomically(dir / "Master.dat", first + "c"));
        ASSERT_TRUE(WriteFileAtomically(dir / "Copy.dat", "small"));
        ASSERT_TRUE(WriteFileAtomically(dir / "New.dat", "new"));
        ASSERT_TRUE(batch.Commit());
    }
    EXPECT_TRUE(ReadFile(dir / "Master.dat") == first + "c");
    EXPECT_EQ(ReadFile(dir / "Copy.dat"), "small");
    EXPECT_EQ(ReadFile(dir / "New.dat"), "new");
    EXPECT_EQ(EntryCount(dir.Path()), 3u);
    // The old files are closed on threads of their own; wait for them to finish. (A handle
    // another test left to such a thread may close meanwhile: fewer is no fault.)
    for (int wait = 0; wait < 500 && OpenHandleCount() > handles; ++wait) {
        usleep(10000);
    }
    EXPECT_LE(OpenHandleCount(), handles);
}

TEST(AtomicFileTest, KeepsTheModeOfTheReplacedFile) {
    TempDir dir;
    WriteFile(dir / "f", "old");
    ASSERT_EQ(chmod((dir / "f").c_str(), 0640), 0);
    ASSERT_TRUE(WriteFileAtomically(dir / "f", "new"));
    struct stat info;
    ASSERT_EQ(stat((dir / "f").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    // A new file is readable by its owner at least, not left at mkstemp's 0600 by accident.
    ASSERT_TRUE(WriteFileAtomically(dir / "g", "x"));
    ASSERT_EQ(stat((dir / "g").c_str(), &info), 0);
    const mode_t mask = umask(022);
    umask(mask);
    EXPECT_EQ(info.st_mode & 0777, 0666u & ~mask);
}

TEST(AtomicFileTest, FailureLeavesTheOldStateAndNoTemporaryFile) {
    TempDir dir;
    EXPECT_FALSE(WriteFileAtomically(dir / "missing/f", "x"));
    // A folder in the way: the rename fails, the folder and its content stay.
    WriteFile(dir / "target/inside", "keep");
    EXPECT_FALSE(WriteFileAtomically(dir / "target", "x"));
    EXPECT_EQ(ReadFile(dir / "target/inside"), "keep");
    EXPECT_EQ(EntryCount(dir.Path()), 1u);
    EXPECT_FALSE(WriteFileAtomically("", "x"));
}

TEST(AtomicFileTest, ReadOnlyFolderKeepsTheOldContent) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "permission checks do not apply to root";
    }
    TempDir dir;
    WriteFile(dir / "ro/f", "old");
    ASSERT_EQ(chmod((dir / "ro").c_str(), 0555), 0);
    EXPECT_FALSE(WriteFileAtomically(dir / "ro/f", "new"));
    chmod((dir / "ro").c_str(), 0755);
    EXPECT_EQ(ReadFile(dir / "ro/f"), "old");
    EXPECT_EQ(EntryCount(dir / "ro"), 1u);
}

TEST(AtomicFileTest, ReadWholeFileHonoursTheSizeLimit) {
    TempDir dir;
    WriteFile(dir / "Rules.sav", std::string(100, 'r'));
    std::string bytes = "stale";
    ASSERT_TRUE(ReadWholeFile(dir / "rules.sav", bytes, 100));
    EXPECT_EQ(bytes, std::string(100, 'r'));
    EXPECT_FALSE(ReadWholeFile(dir / "Rules.sav", bytes, 99));
    EXPECT_TRUE(bytes.empty());
    EXPECT_FALSE(ReadWholeFile(dir / "none", bytes, 100));
    EXPECT_FALSE(ReadWholeFile(dir.Path(), bytes, 100)); // a folder is no file
    WriteFile(dir / "empty", "");
    EXPECT_TRUE(ReadWholeFile(dir / "empty", bytes, 0));
}

TEST(AtomicFileTest, ReadWholeFileReadsPastTheSizeTheFileClaims) {
    // Files of the process file system claim a size of 0 and hold text all the same.
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile("/proc/self/status", bytes, 1 << 20));
    EXPECT_NE(bytes.find("Pid:"), std::string::npos);
    EXPECT_FALSE(ReadWholeFile("/proc/self/status", bytes, 10));
    EXPECT_TRUE(bytes.empty());
}

} // namespace
} // namespace tallo
