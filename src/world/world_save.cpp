// Saving a whole database folder.

#include <cerrno>

#include "formats/kl_file.h"
#include "formats/string_table.h"
#include "platform/atomic_write_batch.h"
#include "platform/prompt.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {

namespace {

// A stadium reference (country in bits 16-23, stadium key in the low 16 bits) as the file
// stores it: the key becomes the stadium's position, as in the country file; a reference to
// a stadium that is gone becomes 0.
uint32_t StadiumReferenceForFile(const CWorld& world, uint32_t reference) {
    uint32_t key = reference & 0xFFFFu;
    const CCountry* country = nullptr;
    uint32_t number = ClubId::CountryOf(reference);
    if (number >= 1 && number <= static_cast<uint32_t>(CWorld::kCountryCount)) {
        country = world.GetCountry(static_cast<int>(number));
    }
    if (key == 0 || country == nullptr || !country->stadiums.Contains(key)) {
        return 0;
    }
    return (reference & 0xFFFF0000u) | (country->StadiumPosition(key) & 0xFFFFu);
}

} // namespace

bool CWorld::SaveAll(IPrompt* prompt, SaveOutcome* outcome) {
    SaveOutcome local;
    SaveOutcome& result = outcome != nullptr ? *outcome : local;
    result = SaveOutcome();
    if (databaseFolder_.empty()) {
        // Without a folder the paths would lead into the root of the file system.
        result.failed.push_back({std::string(), "no database folder is set"});
    } else {
        // Every file goes to its temporary file first; the batch renames all of them, or none
        // when any one could not be written.
        AtomicWriteBatch batch;
        BuildClubRenumbering();
        SaveCountries(result);
        // A file that failed before it reached the batch is entered there too, so that the
        // batch renames nothing.
        auto save = [&batch](const auto& write, const std::string& path) {
            const size_t known = batch.Failures().size();
            if (!write() && batch.Failures().size() == known) {
                batch.AddFailure(path, EIO);
            }
        };
        const std::string rulesPath = databaseFolder_ + "/Rules.sav";
        if (rulesUnreadable_) {
            result.keptAsTheyWere.push_back(rulesPath);
        } else {
            save([this] { return SaveRulesFile(); }, rulesPath);
        }
        if (withoutUnreadable_) {
            result.keptAsTheyWere.push_back(WithoutFilePath());
        } else {
            save([this] { return SaveWithout(); }, WithoutFilePath());
        }
        ClearClubRenumbering();
        if (!batch.Commit()) {
            for (const AtomicWriteBatch::Failure& failure : batch.Failures()) {
                result.failed.push_back({failure.target, failure.reason});
            }
            if (result.failed.empty()) {
                result.failed.push_back({databaseFolder_, "the save could not be completed"});
            }
        }
    }

    if (!result.failed.empty() && prompt != nullptr) {
        std::string message = LoadString(kSaveErrorString);
        for (const SaveFailure& failure : result.failed) {
            message += "\n" + failure.file + ": " + failure.reason;
        }
        prompt->ShowErrorWindow(std::string(), message);
    }
    return result.failed.empty();
}

void CWorld::SaveCountries(SaveOutcome& outcome) {
    CKLFile file;
    for (int number = 1; number <= kCountryCount; ++number) {
        if (unreadableCountries_[number]) {
            // The load could not read this file: writing the (empty) country would lose it.
            outcome.keptAsTheyWere.push_back(CountryFilePath(number));
            continue;
        }
        // Close hands the file to the save's batch, which records a failure with its reason.
        if (file.OpenForWrite(CountryFilePath(number)) && countries_[number]->Save(file)) {
            file.Close();
        } else {
            file.AbandonWrite();
            if (AtomicWriteBatch* batch = AtomicWriteBatch::Current()) {
                batch->AddFailure(CountryFilePath(number), EIO);
            }
        }
    }
}

bool CWorld::SaveRulesFile() const {
    // The club and stadium references of the rules follow the numbering of the files written
    // in the same save, so that they lead to the same clubs and stadiums when read back.
    RulesAndMisc written = rules_;
    for (int i = 0; i < RulesAndMisc::kClubReferences; ++i) {
        written.SetClubReference(i, TranslateClubReference(rules_.ClubReference(i)));
    }
    for (int i = 0; i < RulesAndMisc::kFurtherClubReferences; ++i) {
        written.SetFurtherClubReference(i, TranslateClubReference(rules_.FurtherClubReference(i)));
    }
    for (int i = 0; i < RulesAndMisc::kStadiumReferences; ++i) {
        written.SetStadiumReference(i, StadiumReferenceForFile(*this, rules_.StadiumReference(i)));
    }
    return written.SaveRules(databaseFolder_);
}

} // namespace tallo
