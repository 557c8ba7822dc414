#include "platform/output_target.h"

#include "support/fifo_reader.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <thread>

namespace tallo {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

mode_t TypeOf(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 ? (info.st_mode & S_IFMT) : 0;
}

TEST(OutputTargetTest, TellsWhatAPathNames) {
    TempDir dir;
    WriteFile(dir / "Country1.sav", "country");
    WriteFile(dir / "other.txt", "other");
    fs::create_directories(dir / "folder");
    fs::create_hard_link(dir / "Country1.sav", dir / "hard");
    fs::create_symlink(dir / "Country1.sav", dir / "soft");
    const std::vector<std::string> inputs = {dir / "Country1.sav", dir / "missing.sav"};

    EXPECT_EQ(ClassifyOutput(dir / "new.dat", inputs).kind, OutputKind::NewFile);
    EXPECT_EQ(ClassifyOutput(dir / "other.txt", inputs).kind, OutputKind::PlainFile);
    EXPECT_EQ(ClassifyOutput(dir / "folder", inputs).kind, OutputKind::Folder);
    EXPECT_EQ(ClassifyOutput("/dev/null", inputs).kind, OutputKind::SpecialFile);
    // The same file under another name, through a link, or spelled in another case.
    for (const std::string& name :
         {dir / "Country1.sav", dir / "hard", dir / "soft", dir / "country1.SAV"}) {
        const OutputTarget target = ClassifyOutput(name, inputs);
        EXPECT_EQ(target.kind, OutputKind::InputFile) << name;
        EXPECT_EQ(target.input, dir / "Country1.sav");
    }
    // A path through a file cannot be written.
    const OutputTarget through = ClassifyOutput(dir / "other.txt/x", inputs);
    EXPECT_EQ(through.kind, OutputKind::Unusable);
    EXPECT_NE(OutputRefusal(through).find(std::strerror(ENOTDIR)), std::string::npos);
}

TEST(OutputTargetTest, RefusesFoldersAndInputsAndKeepsThem) {
    TempDir dir;
    WriteFile(dir / "in.dat", "input bytes");
    WriteFile(dir / "folder/keep", "kept");
    std::string error;
    EXPECT_FALSE(WriteOutputFile(dir / "folder", "new", {dir / "in.dat"}, error));
    EXPECT_NE(error.find(dir / "folder"), std::string::npos) << error;
    EXPECT_NE(error.find("is a folder"), std::string::npos) << error;
    EXPECT_EQ(ReadFile(dir / "folder/keep"), "kept");

    EXPECT_FALSE(WriteOutputFile(dir / "in.dat", "new", {dir / "in.dat"}, error));
    EXPECT_NE(error.find("being read"), std::string::npos) << error;
    EXPECT_EQ(ReadFile(dir / "in.dat"), "input bytes");

    // A plain file is replaced, a new one made.
    ASSERT_TRUE(WriteOutputFile(dir / "out.dat", "first", {dir / "in.dat"}, error)) << error;
    ASSERT_TRUE(WriteOutputFile(dir / "out.dat", "second", {dir / "in.dat"}, error)) << error;
    EXPECT_EQ(ReadFile(dir / "out.dat"), "second");

    // A failed write names the file and says why.
    EXPECT_FALSE(WriteOutputFile(dir / "none/out.dat", "x", {}, error));
    EXPECT_NE(error.find(dir / "none/out.dat"), std::string::npos) << error;
    EXPECT_NE(error.find(std::strerror(ENOENT)), std::string::npos) << error;
}

TEST(OutputTargetTest, WritesIntoDevicesAndFifosWithoutReplacingThem) {
    TempDir dir;
    std::string error;
    ASSERT_TRUE(WriteOutputFile("/dev/null", "nothing to keep", {}, error)) << error;
    EXPECT_EQ(TypeOf("/dev/null"), static_cast<mode_t>(S_IFCHR));

    const std::string big(300000, 'x'); // more than a pipe holds at once
    test::FifoReader fifo(dir / "fifo");
    ASSERT_TRUE(fifo.Ready());
    ASSERT_TRUE(WriteOutputFile(dir / "fifo", big, {}, error)) << error;
    EXPECT_EQ(fifo.Finish(), big);
    EXPECT_EQ(TypeOf(dir / "fifo"), static_cast<mode_t>(S_IFIFO));

    WriteFile(dir / "source", "copied through");
    test::FifoReader second(dir / "second");
    ASSERT_TRUE(second.Ready());
    ASSERT_TRUE(CopyIntoSpecialFile(dir / "source", dir / "second"));
    EXPECT_EQ(second.Finish(), "copied through");
    EXPECT_EQ(TypeOf(dir / "second"), static_cast<mode_t>(S_IFIFO));
}

TEST(OutputTargetTest, WritesIntoALocalSocket) {
    TempDir dir;
    const std::string path = dir / "socket";
    const int server = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(server, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(path.size(), sizeof address.sun_path);
    std::strcpy(address.sun_path, path.c_str());
    ASSERT_EQ(bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(server, 1), 0);
    std::string received;
    std::thread reader([&] {
        const int client = accept(server, nullptr, nullptr);
        char buffer[4096];
        ssize_t got;
        while (client >= 0 && (got = read(client, buffer, sizeof buffer)) > 0) {
            received.append(buffer, static_cast<size_t>(got));
        }
        close(client);
    });
    std::string error;
    EXPECT_TRUE(WriteOutputFile(path, "over the socket", {}, error)) << error;
    reader.join();
    close(server);
    EXPECT_EQ(received, "over the socket");
    EXPECT_EQ(TypeOf(path), static_cast<mode_t>(S_IFSOCK));
}

// A device node of our own (the null device) where the test may make one: it must be written
// into, never replaced by a file.
TEST(OutputTargetTest, WritesIntoADeviceNodeOfItsOwn) {
    TempDir dir;
    const std::string node = dir / "null";
    if (mknod(node.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
        GTEST_SKIP() << "cannot make a device node here: " << std::strerror(errno);
    }
    std::string error;
    ASSERT_TRUE(WriteOutputFile(node, "gone", {}, error)) << error;
    EXPECT_EQ(TypeOf(node), static_cast<mode_t>(S_IFCHR));
}

} // namespace
} // namespace tallo
