#include "sample_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace tallo {
namespace {

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// The names the program gives competitions it makes (the cups of countries without clubs) come
// from the string table in the records' code page: Windows-1252 cannot spell the Russian
// "Соревнование", so the files hold the English name, never a row of question marks.
TEST(SampleDefaultNames, CompetitionNamesAreSpelledNotQuestionMarks) {
    const std::filesystem::path database =
        std::filesystem::path(test::SharedSmallSample().folder) / "database";
    int files = 0;
    int named = 0;
    for (const auto& entry : std::filesystem::directory_iterator(database)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("Country", 0) != 0) {
            continue;
        }
        ++files;
        const std::string text = ReadAll(entry.path());
        EXPECT_EQ(text.find("????"), std::string::npos) << name;
        named += text.find("\r\nCompetition\r\n") != std::string::npos ? 1 : 0;
    }
    EXPECT_EQ(files, 206);
    EXPECT_GT(named, 100);
}

} // namespace
} // namespace tallo
