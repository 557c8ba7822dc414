// Saving a whole database folder.

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

bool CWorld::SaveAll(IPrompt* prompt) {
    bool failed = false;
    if (databaseFolder_.empty()) {
        // Without a folder the paths would lead into the root of the file system.
        failed = true;
    } else {
        // All files of the save reach the disk with one flush before any of them replaces
        // its old version.
        AtomicWriteBatch batch;
        BuildClubRenumbering();
        SaveCountries(failed);
        if (!SaveRulesFile()) {
            failed = true;
        }
        if (!SaveWithout()) {
            failed = true;
        }
        ClearClubRenumbering();
        if (!batch.Commit()) {
            failed = true;
        }
    }

    if (failed && prompt != nullptr) {
        prompt->ShowErrorWindow(std::string(), LoadString(kSaveErrorString));
    }
    return !failed;
}

bool CWorld::SaveCountries(bool& anyFailed) {
    bool allSaved = true;
    CKLFile file;
    for (int number = 1; number <= kCountryCount; ++number) {
        // The file is replaced only when it was written whole (Close commits it atomically).
        bool saved = file.OpenForWrite(CountryFilePath(number)) && countries_[number]->Save(file);
        if (saved) {
            saved = file.Close();
        } else {
            file.AbandonWrite();
        }
        if (!saved) {
            allSaved = false;
        }
    }
    if (!allSaved) {
        anyFailed = true;
    }
    return allSaved;
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
