#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "support/run_process.h"
#include "support/temp_dir.h"

namespace tallo::test {

// A test of the built tallo-db program on a small sample installation of its own (seed 3),
// written into a fresh folder before each test.
class TalloDbSampleTest : public ::testing::Test {
protected:
    void SetUp() override {
        program_ = BuiltProgram("tools/tallo-db");
        ASSERT_FALSE(program_.empty()) << "tools/tallo-db is not built";
        game_ = dir_ / "game";
        database_ = game_ + "/database";
        const ProcessResult sample = Run({"sample", game_, "--scale", "small", "--seed", "3"});
        ASSERT_EQ(sample.exitCode, 0) << sample.err;
    }

    // No installation known from outside: no TALLO_INSTALL_DIR, and the settings file and the
    // documents folder looked up in folders of the test.
    ProcessResult Run(const std::vector<std::string>& arguments,
                      std::map<std::string, std::string> environment = {}) {
        environment.emplace("TALLO_INSTALL_DIR", "");
        environment.emplace("XDG_CONFIG_HOME", dir_ / "config");
        environment.emplace("TALLO_DOCUMENTS_DIR", dir_ / "documents");
        return RunProcess(program_, arguments, environment);
    }

    // The tool with every file it writes limited to `bytes` (a full disk as one file sees it):
    // a write past the limit fails with "File too large" instead of ending the program.
    ProcessResult RunWithFileLimit(size_t bytes, const std::vector<std::string>& arguments) {
        std::vector<std::string> shell = {
            "-c", "trap '' XFSZ; ulimit -f " + std::to_string(bytes / 512) + "; exec \"$@\"", "sh",
            program_};
        shell.insert(shell.end(), arguments.begin(), arguments.end());
        return RunProcess("/bin/sh", shell,
                          {{"TALLO_INSTALL_DIR", ""}, {"XDG_CONFIG_HOME", dir_ / "config"}});
    }

    TempDir dir_;
    std::string program_;
    std::string game_;
    std::string database_;
};

} // namespace tallo::test
