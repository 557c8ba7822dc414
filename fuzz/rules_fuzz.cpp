// Writes the input as "Rules.sav" into a scratch folder and loads it. What was loaded must
// survive the writer: writing it and reading that text back gives the same object.

#include "formats/kl_file.h"
#include "fuzz_support.h"
#include "world/file_version.h"
#include "world/rules_and_misc.h"

#include <string>

namespace {

std::string WrittenText(const tallo::RulesAndMisc& rules) {
    tallo::CKLFile file;
    TALLO_FUZZ_CHECK(file.OpenForWrite("unused.sav"));
    TALLO_FUZZ_CHECK(rules.Write(file));
    std::string text = file.WrittenText();
    file.AbandonWrite();
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tallo;
    const fuzz::ScratchFolder& folder = fuzz::Scratch();
    fuzz::WriteScratchFile(folder / "Rules.sav",
                           std::string_view(reinterpret_cast<const char*>(data), size));

    RulesAndMisc rules;
    if (!rules.LoadRules(folder.Path())) {
        TALLO_FUZZ_CHECK(rules == RulesAndMisc());
        return 0;
    }
    rules.ValidateRules(nullptr, nullptr);
    TALLO_FUZZ_CHECK(rules.FriendlySubstitutions() >= 0 &&
                     rules.FriendlySubstitutions() <= RulesAndMisc::kMaxFriendlySubstitutions);
    for (int g = 0; g < RulesAndMisc::kCompetitions; ++g) {
        for (int l = 0; l < RulesAndMisc::kLanguages; ++l) {
            TALLO_FUZZ_CHECK(rules.LongName(g, l).size() < RulesAndMisc::kLongNameSize);
            TALLO_FUZZ_CHECK(rules.ShortName(g, l).size() < RulesAndMisc::kShortNameSize);
        }
    }

    const std::string text = WrittenText(rules);
    CKLFile file;
    TALLO_FUZZ_CHECK(file.OpenFromMemory(text));
    RulesAndMisc back;
    TALLO_FUZZ_CHECK(back.Read(file));
    TALLO_FUZZ_CHECK(FileVersion::Loaded() == FileVersion::kCurrent);
    TALLO_FUZZ_CHECK(back == rules);
    return 0;
}
