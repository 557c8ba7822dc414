#pragma once

#include <string>

namespace tallo::db {

// What is wrong with a path a command was given, as the words that follow the path in a
// message ("the database folder X does not exist"); "" when nothing is. Paths are resolved
// regardless of case first.

// A folder is expected: "does not exist", "is a file, not a folder", "is not a folder", or the
// system's reason why it cannot be looked at.
std::string FolderProblem(const std::string& path);

// A regular file is expected: "does not exist", "is a folder, not a file", "is not a regular
// file", or the system's reason why it cannot be looked at.
std::string FileProblem(const std::string& path);

// A folder that may still be missing (it is made when needed): "" when it is a folder or
// nothing is there; else as FolderProblem.
std::string FolderOrMissingProblem(const std::string& path);

} // namespace tallo::db
