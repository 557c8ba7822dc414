#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tallo {

// Option bits of build mode, named by the command-line words that set them.
namespace BuildOption {
constexpr uint32_t kConsole = 0x01;       // "ps2": one Master<language>.dat per language
constexpr uint32_t kOutputBadge = 0x04;   // "OutputBadge": badges.txt
constexpr uint32_t kOutputKits = 0x08;    // "OutputKits": kits.txt
constexpr uint32_t kOutputStadium = 0x10; // "OutputStadium": stadium.txt
constexpr uint32_t kKillData = 0x20;      // "killdata": trim one country before the build
constexpr uint32_t kLogConsole = 0x40;    // "logPS2": logPS2_Database.txt
} // namespace BuildOption

// Language numbers of the command line and of the database.
enum Language : int32_t { kGerman = 0, kEnglish = 1, kFrench = 2, kSpanish = 3 };

// What the command line asks for.
struct BuildOptions {
    static constexpr size_t kFolderBufferSize = 260;

    bool buildRequested = false;
    int32_t language = kGerman;
    uint32_t optionBits = 0;
    std::string folder;         // from "path<folder>"; at most kFolderBufferSize - 1 bytes
    bool admin = false;         // "wolkenkratzern_ost"
    bool folderRefused = false; // a "path" argument was too long for the folder buffer
};

// Parses every argument (without the program name) left to right. The words are compared
// case-sensitively over the whole argument, except "path" (a prefix: the rest is the folder)
// and "logPS2" (case ignored). Unknown arguments are ignored; later words override earlier.
// A folder longer than the buffer is refused (the field keeps its earlier value).
BuildOptions ParseCommandLine(const std::vector<std::string>& arguments);

} // namespace tallo
