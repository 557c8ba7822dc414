#pragma once

#include "assets/big_writer.h"
#include "assets/vantor_big.h"
#include "platform/path_resolver.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tallo::test {

// A 1 by 1 uncompressed 24-bit TGA of the given colour (blue, green, red).
inline std::string TinyTga(uint8_t blue, uint8_t green, uint8_t red) {
    std::string tga(18, '\0');
    tga[2] = 2;
    tga[12] = 1;
    tga[14] = 1;
    tga[16] = 24;
    tga += static_cast<char>(blue);
    tga += static_cast<char>(green);
    tga += static_cast<char>(red);
    return tga;
}

// An installation's badge folder and badge archive in a temporary folder.
class BadgeInstallation {
public:
    std::string Folder() const { return dir_ / "badges"; }

    // A file below the badge folder; `name` uses back slashes as stored names do.
    void AddDiskFile(const std::string& name, const std::string& bytes) {
        std::string relative = name;
        for (char& c : relative) {
            c = c == '\\' ? '/' : c;
        }
        const std::string path = Folder() + "/" + relative;
        ASSERT_TRUE(CreateFolders(path.substr(0, path.rfind('/'))));
        WriteFile(path, bytes);
    }
    void AddArchiveEntry(const std::string& name, const std::string& bytes, bool pack = false) {
        ASSERT_TRUE(writer_.AddEntry(name, bytes, pack));
    }
    // Writes the archive and opens it into `archive`.
    void OpenArchive(CVantorBig& archive) {
        const std::string path = dir_ / "badges.big";
        ASSERT_TRUE(writer_.Write(path));
        ASSERT_TRUE(archive.Open(path, true));
    }

private:
    TempDir dir_;
    BigWriter writer_;
};

} // namespace tallo::test
