#pragma once

#include <map>
#include <string>

namespace tallo::test {

// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes away.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    // Path of a name inside the folder.
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// Whole-file helpers for tests.
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
// Every regular file of a folder (not of its subfolders), by name.
std::map<std::string, std::string> ReadFolderFiles(const std::string& folder);

// Every regular file below a folder, by its path relative to the folder ("a/b.txt").
std::map<std::string, std::string> ReadTreeFiles(const std::string& folder);

// Path of a file in tests/fixtures.
std::string FixturePath(const std::string& relative);

} // namespace tallo::test
