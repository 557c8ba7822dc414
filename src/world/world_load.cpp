// Loading a whole database folder.

#include <cerrno>

#include "formats/kl_file.h"
#include "platform/atomic_file.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {

namespace {

constexpr const char* kRulesFileName = "Rules.sav";

// Opens a file of the database for reading. A missing file is no finding (the database
// simply does not have it); one that exists but cannot be read is, and gives `unreadable`.
bool OpenDatabaseFile(CKLFile& file, const std::string& path,
                      std::vector<LoadFinding>& findings, bool& unreadable) {
    unreadable = false;
    if (file.OpenForRead(path)) {
        return true;
    }
    if (file.OpenError() != ENOENT) {
        unreadable = true;
        findings.push_back({path, 0, "cannot be read: " + FileErrorText(file.OpenError())});
    }
    return false;
}

} // namespace

void CWorld::NoteFileFindings(const std::string& path, const CKLFile& file) {
    for (const CKLFile::Finding& finding : file.Findings()) {
        loadFindings_.push_back({path, finding.line, finding.what});
    }
}

bool CWorld::IsCountryUnreadable(int number) const {
    return number >= 1 && number <= kCountryCount && unreadableCountries_[number];
}

bool CWorld::LoadAll(const std::string& folder) {
    loadTranslation_.clear();
    loadFindings_.clear();
    unreadableCountries_.fill(false);
    rulesUnreadable_ = false;
    withoutUnreadable_ = false;
    SetDatabaseFolder(folder);
    if (databaseFolder_.empty()) {
        return false; // the paths would lead into the root of the file system
    }

    // One file object for all countries: only one record file is read at a time.
    bool anyCountry = false;
    CKLFile file;
    for (int number = 1; number <= kCountryCount; ++number) {
        const std::string path = CountryFilePath(number);
        bool unreadable = false;
        if (!OpenDatabaseFile(file, path, loadFindings_, unreadable)) {
            // A missing file: that country keeps what it has. An unreadable one keeps it too,
            // and is never written over.
            unreadableCountries_[number] = unreadable;
            continue;
        }
        CCountry& country = *countries_[number];
        if (!country.Load(file)) {
            unreadableCountries_[number] = true;
            loadFindings_.push_back(
                {path, 0, "holds no COUNTRY section; the country was not read"});
            file.Close();
            continue;
        }
        country.RecomputeDetailTotal();
        NoteFileFindings(path, file);
        file.Close();
        anyCountry = true;
    }

    for (int number = 1; number <= kCountryCount; ++number) {
        CCountry& country = *countries_[number];
        country.PostLoadCheckClubs();
        // Additional managers are checked like the people of a club.
        for (uint32_t id : country.AdditionalManagers()) {
            if (CPlayer* player = FindPlayer(id)) {
                player->PostLoadCheck();
            }
        }
    }
    ClearClubRenumbering();
    BuildClubRenumbering();

    LoadRulesAndWithout();
    return anyCountry;
}

void CWorld::LoadRulesAndWithout() {
    CKLFile file;
    const std::string rulesPath = databaseFolder_ + "/" + kRulesFileName;
    if (OpenDatabaseFile(file, rulesPath, loadFindings_, rulesUnreadable_)) {
        RulesAndMisc read = rules_;
        if (read.Read(file)) {
            rules_ = read;
            NoteFileFindings(rulesPath, file);
        } else {
            rulesUnreadable_ = true;
            loadFindings_.push_back({rulesPath, 0, "holds no RULES_AND_MISC section"});
        }
        file.Close();
    }
    ValidateRulesAgainstWorld();
    // Without.sav has no VERSION section of its own: its players are read with the version of
    // the file read last, Rules.sav, written by the same program.
    LoadWithout();
}

void CWorld::ValidateRulesAgainstWorld() {
    rules_.ValidateRules(
        [this](uint32_t reference) -> uint32_t {
            if (IsClubUnknown(reference)) {
                return reference;
            }
            return ClubExists(reference) ? TranslateClubReference(reference) : 0;
        },
        [this](uint32_t reference) {
            uint32_t country = ClubId::CountryOf(reference);
            if (country < 1 || country > kCountryCount) {
                return false;
            }
            if (unreadableCountries_[country]) {
                return true; // its stadiums are unknown, not gone
            }
            return countries_[country]->stadiums.Contains(reference & 0xFFFFu);
        });
}

bool CWorld::IsClubUnknown(uint32_t reference) const {
    return !ClubId::IsNationalTeam(reference) &&
           IsCountryUnreadable(static_cast<int>(ClubId::CountryOf(reference)));
}

} // namespace tallo
