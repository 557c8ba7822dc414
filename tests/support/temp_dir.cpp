#include "support/temp_dir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <unistd.h>

namespace tallo::test {

namespace {

// Where the test folders go: TALLO_TEST_TMPDIR when set, else the memory file system when the
// machine has one (tests write and delete thousands of small files; on a disk that discards
// deleted blocks this is most of their time), else the system's temporary folder.
std::filesystem::path TestFolderBase() {
    if (const char* chosen = std::getenv("TALLO_TEST_TMPDIR"); chosen != nullptr && *chosen != 0) {
        return chosen;
    }
    static const bool memory =
        access("/dev/shm", W_OK | X_OK) == 0 && std::filesystem::is_directory("/dev/shm");
    return memory ? std::filesystem::path("/dev/shm") : std::filesystem::temp_directory_path();
}

} // namespace

TempDir::TempDir() {
    std::string pattern = (TestFolderBase() / "tallo-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string ReadFile(const std::string& path) {
    // One read of the whole file: tests compare whole saved databases, and reading them a
    // character at a time was most of their run time in the debug build.
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        return std::string();
    }
    const std::streamoff size = in.tellg();
    std::string bytes(size > 0 ? static_cast<size_t>(size) : 0, '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<size_t>(in.gcount()));
    return bytes;
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string FixturePath(const std::string& relative) {
    const char* root = std::getenv("TALLO_FIXTURES");
    std::string base = root != nullptr ? root : TALLO_FIXTURES_DIR;
    return base + "/" + relative;
}

std::map<std::string, std::string> ReadFolderFiles(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            files[entry.path().filename().string()] = ReadFile(entry.path().string());
        }
    }
    return files;
}

std::map<std::string, std::string> ReadTreeFiles(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            files[std::filesystem::relative(entry.path(), folder).generic_string()] =
                ReadFile(entry.path().string());
        }
    }
    return files;
}

} // namespace tallo::test
