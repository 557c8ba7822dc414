#include "sample_name_files.h"

#include <set>

#include "platform/atomic_file.h"
#include "sample_names.h"
#include "sample_random.h"

namespace tallo::sample {

namespace {

constexpr int kLanguages = 58;
constexpr size_t kMaxNameLength = 31;

// The style of a language's names: that of the first country (in list order) that speaks
// it first; languages no country speaks first get names from everywhere.
NameStyle StyleOfLanguage(const std::vector<SampleCountry>& countries, int language) {
    for (const SampleCountry& country : countries) {
        if (country.firstLanguage == language) {
            return country.style;
        }
    }
    return NameStyle::kWorld;
}

enum class NameKind { kMale, kFemale, kSurname };

std::string Draw(const SampleNames& names, SampleRandom& random, NameKind kind, NameStyle style) {
    switch (kind) {
    case NameKind::kMale:
        return names.FirstName(random, style);
    case NameKind::kFemale:
        return names.FemaleFirstName(random, style);
    default:
        return names.Surname(random, style);
    }
}

// One name file: every pool with up to `perPool` different names.
std::string NameFileText(const SampleNames& names, const std::vector<SampleCountry>& countries,
                         NameKind kind, int perPool, SampleRandom& random, size_t& count) {
    std::string text;
    for (int pool = 0; pool <= kLanguages; ++pool) {
        const NameStyle style = pool == 0 ? NameStyle::kWorld : StyleOfLanguage(countries, pool);
        text += "%" + std::to_string(pool) + "\r\n";
        std::set<std::string> taken;
        // The syllable tables hold a few hundred names a style; give up on a full pool.
        for (int attempt = 0; attempt < perPool * 8 && static_cast<int>(taken.size()) < perPool;
             ++attempt) {
            const std::string name = Draw(names, random, kind, style);
            if (name.empty() || name.size() > kMaxNameLength || !taken.insert(name).second) {
                continue;
            }
            text += name + "\r\n";
            ++count;
        }
    }
    return text;
}

} // namespace

bool WriteSampleNameFiles(const std::string& databaseFolder,
                          const std::vector<SampleCountry>& countries, const SampleOptions& options,
                          SampleFileSummary& summary, std::string& error) {
    const int perPool = options.scale == SampleScale::kFull ? 60 : 12;
    const SampleNames names;
    SampleRandom random(options.seed ^ 0x4A3E5ull);
    struct File {
        const char* name;
        NameKind kind;
        size_t* count;
    };
    const File files[] = {{"MaleNames.txt", NameKind::kMale, &summary.maleNames},
                          {"FemaleNames.txt", NameKind::kFemale, &summary.femaleNames},
                          {"Surnames.txt", NameKind::kSurname, &summary.surnames}};
    for (const File& file : files) {
        *file.count = 0;
        const std::string text =
            NameFileText(names, countries, file.kind, perPool, random, *file.count);
        const std::string path = databaseFolder + "/" + file.name;
        if (!WriteFileAtomically(path, text)) {
            error = "cannot write " + path;
            return false;
        }
    }
    summary.namePools = kLanguages + 1;
    return true;
}

} // namespace tallo::sample
