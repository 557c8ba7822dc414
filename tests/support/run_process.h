#pragma once

#include <map>
#include <string>
#include <vector>

namespace tallo::test {

struct ProcessResult {
    int exitCode = -1; // -1 when the program could not be started or was killed
    std::string out;
    std::string err;
};

// Runs a program with the given arguments in `folder` (unless empty), with the current
// environment plus `environment` (a value of "" removes the variable), and collects its output.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const std::map<std::string, std::string>& environment = {},
                         const std::string& folder = "");

// Path of a program built in this build tree (TALLO_BIN overrides the tree the tests were
// built in), or "" when it was not built.
std::string BuiltProgram(const std::string& relativePath);

} // namespace tallo::test
