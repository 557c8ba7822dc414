#include "support/run_process.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace tallo {
namespace {

// tallo-db speaks the editor's language: its messages from the string table are English on an
// English or C locale, Russian on a Russian one, and TALLO_UI_LANGUAGE overrides the locale.
TEST(TalloDbLanguage, MessagesFollowTheLocaleAndTheOverride) {
    const std::string program = test::BuiltProgram("tools/tallo-db");
    ASSERT_FALSE(program.empty()) << "tools/tallo-db is not built";
    test::TempDir dir;
    test::WriteFile(dir / "junk.big", "not an archive at all");

    const auto run = [&](std::map<std::string, std::string> environment) {
        for (const char* name : {"TALLO_UI_LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
            environment.emplace(name, ""); // unset unless given
        }
        return test::RunProcess(program, {"big", "list", dir / "junk.big"}, environment);
    };
    const std::string english = "Editor: " + (dir / "junk.big") + " is not a valid BIG file";
    const std::string russian =
        "Редактор: " + (dir / "junk.big") + " не является правильным BIG файлом";

    for (const auto& environment : std::initializer_list<std::map<std::string, std::string>>{
             {{"LANG", "C"}},
             {{"LANG", "en_US.UTF-8"}},
             {},
             {{"TALLO_UI_LANGUAGE", "en"}, {"LANG", "ru_RU.UTF-8"}}}) {
        const test::ProcessResult result = run(environment);
        EXPECT_NE(result.exitCode, 0);
        EXPECT_NE(result.err.find(english), std::string::npos) << result.err;
    }
    for (const auto& environment : std::initializer_list<std::map<std::string, std::string>>{
             {{"LANG", "ru_RU.UTF-8"}}, {{"TALLO_UI_LANGUAGE", "ru"}, {"LC_ALL", "C"}}}) {
        const test::ProcessResult result = run(environment);
        EXPECT_NE(result.exitCode, 0);
        EXPECT_NE(result.err.find(russian), std::string::npos) << result.err;
    }
}

} // namespace
} // namespace tallo
