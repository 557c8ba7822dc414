// Inputs the fuzz targets of fuzz/ once failed on, kept in tests/fixtures/fuzz/<target>/ and
// checked here the way the target checks them, so that the fault stays mended.

#include "formats/kl_file.h"
#include "world/rules_and_misc.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <dirent.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tallo {
namespace {

using test::FixturePath;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

std::vector<std::string> InputsOf(const std::string& target) {
    std::vector<std::string> paths;
    const std::string folder = FixturePath("fuzz/" + target);
    if (DIR* dir = opendir(folder.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            if (entry->d_name[0] != '.') {
                paths.push_back(folder + "/" + entry->d_name);
            }
        }
        closedir(dir);
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

// What was loaded from Rules.sav is what a save writes and the next load reads.
TEST(FuzzRegressionTest, RulesSurviveASaveAsTheyWereLoaded) {
    const std::vector<std::string> inputs = InputsOf("rules");
    ASSERT_FALSE(inputs.empty());
    for (const std::string& input : inputs) {
        SCOPED_TRACE(input);
        TempDir dir;
        WriteFile(dir / "Rules.sav", ReadFile(input));
        RulesAndMisc loaded;
        ASSERT_TRUE(loaded.LoadRules(dir.Path()));
        ASSERT_TRUE(loaded.SaveRules(dir.Path()));
        RulesAndMisc again;
        ASSERT_TRUE(again.LoadRules(dir.Path()));
        EXPECT_EQ(again, loaded);
    }
}

// A list element without its closing quote takes the rest of the line, quote included; the
// loaded name holds an apostrophe there, as the writer would store it.
TEST(FuzzRegressionTest, AnUnclosedQuoteInANameListLoadsAsAnApostrophe) {
    TempDir dir;
    WriteFile(dir / "Rules.sav", ReadFile(FixturePath("fuzz/rules/unclosed_quote.sav")));
    RulesAndMisc rules;
    ASSERT_TRUE(rules.LoadRules(dir.Path()));
    EXPECT_EQ(rules.ShortName(1, 2), "IT-Pok,");
    EXPECT_EQ(rules.ShortName(1, 3), "Europa'");
    EXPECT_EQ(rules.ShortName(1, 4), "Europa'");
    for (int g = 0; g < RulesAndMisc::kCompetitions; ++g) {
        for (int l = 0; l < RulesAndMisc::kLanguages; ++l) {
            EXPECT_EQ(rules.LongName(g, l).find('"'), std::string_view::npos);
            EXPECT_EQ(rules.ShortName(g, l).find('"'), std::string_view::npos);
        }
    }
}

} // namespace
} // namespace tallo
