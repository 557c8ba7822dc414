#pragma once

#include <string>

namespace tallo {

// File names in the database are spelled in any case (the program writes "Country%d.sav" and
// reads "country%d.sav"), and Linux file systems tell case apart. Every path the program opens
// or creates goes through ResolvePath: each component that exists under another spelling is
// replaced by the spelling on disk; components that do not exist keep the spelling given.
// An exact match wins over a case-insensitive one; among several case-insensitive matches the
// first in byte order wins, so the result does not depend on directory order.
std::string ResolvePath(const std::string& path);

// Lower-cases a name the way paths are compared: ASCII letters, and the capital umlauts
// Ä Ö Ü in their UTF-8 and their Windows-1252 forms. Other bytes stay as they are.
void FoldNameCase(std::string& name);

bool FileExists(const std::string& path);   // a regular file, after resolving
bool FolderExists(const std::string& path); // a folder, after resolving
// Creates the folder and its missing parents (each resolved); true when it exists afterwards.
bool CreateFolders(const std::string& path);

// The process's current folder ("" when it cannot be told) and changing it (resolved).
std::string CurrentFolder();
bool ChangeFolder(const std::string& path);

} // namespace tallo
