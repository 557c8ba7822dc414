#pragma once

#include <string>

namespace tallo {

// The folders the editor works with, fixed at start-up and again whenever the main window
// initialises. Paths use "/" between the parts the program adds. Every entry fits the
// 260-byte buffers of the stored settings and archives; SetUpFolders refuses longer paths.
struct FolderTable {
    static constexpr size_t kBufferSize = 260;

    std::string root;         // the current folder, normalised
    std::string database;     // the database folder name as handed in
    std::string languageCode; // subfolder of the per-language text tables
    std::string dataOrg;      // <root>/database/dataOrg
    std::string script;       // <root>/script: competition definition files
    std::string badges;       // <root>/badges: badge pictures
    std::string sponsors;     // <root>/sponsors
    std::string picture;      // <root>/picture
    std::string city;         // <root>/city
};

// Rewrites a path in place: "\" becomes "/", the capital umlauts become small ones and
// ASCII letters are lower-cased; a bare drive root ("c:/") loses its slash.
// The path is UTF-8 (as the operating system gives it); the umlauts are folded in the
// Windows-1252 form as well, for paths that come from 8-bit records.
void NormalisePath(std::string& path);

// Fills `table` from the current folder and the database folder name. Returns false, and
// leaves the table as it was, when the current folder cannot be read or an entry would not
// fit its 260-byte buffer.
bool SetUpFolders(FolderTable& table, const std::string& databaseFolder);
// The same with a given root (already the long form of a folder; normalised here).
bool SetUpFoldersAt(FolderTable& table, const std::string& root, const std::string& databaseFolder);

} // namespace tallo
