// Loading a whole database folder.

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include "formats/kl_file.h"
#include "platform/atomic_file.h"
#include "platform/parallel_for.h"
#include "world/club.h"
#include "world/club_id_set.h"
#include "world/country.h"
#include "world/country_club_context.h"
#include "world/country_load_stage.h"
#include "world/file_version.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {

namespace {

constexpr const char* kRulesFileName = "Rules.sav";
// More threads than this gain nothing on 206 files.
constexpr unsigned kMaxLoadThreads = 16;

// Opens a file of the database for reading. A missing file is no finding (the database
// simply does not have it); one that exists but cannot be read is, and gives `unreadable`.
bool OpenDatabaseFile(CKLFile& file, const std::string& path, std::vector<LoadFinding>& findings,
                      bool& unreadable) {
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
    for (int number = 1; number <= kCountryCount; ++number) {
        countries_[number]->ForgetNotedReferences();
    }

    // Reading on several threads gives the same world as reading in order only when the
    // registry starts empty (a world fresh from LoadCountryList, as every load prepares it):
    // a country read in order first releases the players it held, which changes the IDs the
    // countries after it get.
    const int threads = EffectiveLoadThreads();
    const bool parallel = threads > 1 && players_.empty();
    const bool anyCountry = parallel ? LoadCountriesInParallel(threads) : LoadCountriesInOrder();
    CheckLoadedCountries(parallel ? threads : 1);
    ClearClubRenumbering();
    // The clubs of a country read now were noted as it was read: the map is not walked again.
    for (int number = 1; number <= kCountryCount; ++number) {
        CCountry& country = *countries_[number];
        if (country.OwnValuesChecked()) {
            country.BuildClubRenumberingFromLoad();
        } else {
            country.BuildClubRenumbering();
        }
        country.ForgetNotedReferences();
    }

    LoadRulesAndWithout();
    return anyCountry;
}

int CWorld::EffectiveLoadThreads() const {
    if (loadThreads_ > 0) {
        return loadThreads_;
    }
    if (const char* text = std::getenv("TALLO_LOAD_THREADS"); text != nullptr && *text != '\0') {
        char* end = nullptr;
        const long value = std::strtol(text, &end, 10);
        if (end != text && *end == '\0' && value >= 1) {
            return static_cast<int>(std::min<long>(value, kMaxLoadThreads));
        }
    }
    const unsigned cores = std::thread::hardware_concurrency();
    return static_cast<int>(std::clamp<unsigned>(cores, 1, kMaxLoadThreads));
}

bool CWorld::LoadCountriesInOrder() {
    // The players are read right after they are made: they get default names only where
    // their files name them not.
    struct NamesOnDemand {
        CWorld& world;
        explicit NamesOnDemand(CWorld& w) : world(w) { world.namesOnDemand_ = true; }
        ~NamesOnDemand() {
            world.namesOnDemand_ = false;
            world.unnamedPlayer_ = nullptr;
        }
    } namesOnDemand(*this);
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
        CountryClubContext context(country);
        country.CheckOwnValuesAfterLoad(context);
        NoteFileFindings(path, file);
        file.Close();
        anyCountry = true;
    }
    return anyCountry;
}

// Each worker takes the next country not yet taken and reads it onto its stage; the calling
// thread reads countries too and, whenever the next country in order is ready, merges it. The
// registry, the load translation and the findings are touched by the calling thread alone, in
// country order.
bool CWorld::LoadCountriesInParallel(int threads) {
    struct Slot {
        std::unique_ptr<CountryLoadStage> stage;
        bool ready = false;
    };
    std::vector<Slot> slots(kCountrySlots);
    // What a country read again in order must start from (see MergeStage).
    std::vector<CountrySettings> settingsBefore(kCountrySlots);
    LoadLanguageView::Snapshot languagesBefore{};
    for (int number = 1; number <= kCountryCount; ++number) {
        settingsBefore[number] = *countries_[number];
        languagesBefore[number] = countries_[number]->languages[0];
        slots[number].stage =
            std::make_unique<CountryLoadStage>(*this, *countries_[number], players_.size());
    }
    const uint32_t versionBefore = FileVersion::Loaded();

    std::mutex mutex;
    std::condition_variable readyChanged;
    std::atomic<int> nextToRead{1};

    // Reads one country onto its stage; false when every country is taken.
    auto readOne = [&](CKLFile& file) {
        const int number = nextToRead.fetch_add(1);
        if (number > kCountryCount) {
            return false;
        }
        CountryLoadStage& stage = *slots[number].stage;
        const std::string path = CountryFilePath(number);
        FileVersion::SetLoaded(versionBefore);
        stage.opened = OpenDatabaseFile(file, path, stage.findings, stage.unreadable);
        if (stage.opened) {
            CountryLoadStage::Scope scope(&stage);
            stage.hasCountry = stage.Country().Load(file);
            if (stage.hasCountry) {
                // The part of the check that needs no other country, while the records are
                // fresh in this thread's cache.
                CountryClubContext countryContext(stage.Country());
                StagedClubContext context(stage, countryContext);
                stage.Country().CheckOwnValuesAfterLoad(context);
            }
            for (const CKLFile::Finding& finding : file.Findings()) {
                stage.findings.push_back({path, finding.line, finding.what});
            }
            file.Close();
        }
        stage.versionAfter = FileVersion::Loaded();
        {
            std::lock_guard<std::mutex> lock(mutex);
            slots[number].ready = true;
        }
        readyChanged.notify_all();
        return true;
    };

    lockCompetitions_ = true;
    std::vector<std::thread> workers;
    workers.reserve(static_cast<size_t>(threads - 1));
    for (int i = 1; i < threads; ++i) {
        workers.emplace_back([&readOne] {
            CKLFile file;
            while (readOne(file)) {
            }
        });
    }

    bool anyCountry = false;
    uint32_t lastVersion = versionBefore;
    CKLFile file;
    bool moreToRead = true;
    for (int number = 1; number <= kCountryCount; ++number) {
        // Read while the next country in order is still being read elsewhere.
        for (;;) {
            {
                std::unique_lock<std::mutex> lock(mutex);
                if (slots[number].ready) {
                    break;
                }
                if (!moreToRead) {
                    readyChanged.wait(lock, [&] { return slots[number].ready; });
                    break;
                }
            }
            moreToRead = readOne(file);
        }
        CountryLoadStage& stage = *slots[number].stage;
        const std::string path = CountryFilePath(number);
        if (stage.OrderDependent() && stage.hasCountry) {
            // The file asked what only a load in order answers: read it again here, in order,
            // from the state the country had before the load.
            CCountry& country = *countries_[number];
            for (auto& [id, club] : country.clubs_) {
                club->ClearPlayers();
            }
            country.additionalManagers_.clear();
            country.ForgetNotedReferences(); // they were the stage's players
            static_cast<CountrySettings&>(country) = settingsBefore[number];
            slots[number].stage.reset();
            LoadLanguageView view(languagesBefore, static_cast<uint32_t>(number));
            bool unreadable = false;
            std::vector<LoadFinding> unused;
            if (OpenDatabaseFile(file, path, unused, unreadable) && country.Load(file)) {
                CountryClubContext context(country);
                country.CheckOwnValuesAfterLoad(context);
                NoteFileFindings(path, file);
                anyCountry = true;
                lastVersion = FileVersion::Loaded();
            } else {
                // The file changed under the load; what it holds now is not read.
                unreadableCountries_[number] = true;
                loadFindings_.push_back({path, 0, "changed while it was read; not read"});
            }
            file.Close();
            continue;
        }
        loadFindings_.insert(loadFindings_.end(), stage.findings.begin(), stage.findings.end());
        if (!stage.opened) {
            unreadableCountries_[number] = stage.unreadable;
            continue;
        }
        if (!stage.hasCountry) {
            unreadableCountries_[number] = true;
            loadFindings_.push_back(
                {path, 0, "holds no COUNTRY section; the country was not read"});
            continue;
        }
        // The stage's players keep their places in memory: what the worker noted of them
        // for the check stays valid.
        MergeStage(stage);
        anyCountry = true;
        lastVersion = stage.versionAfter;
        slots[number].stage.reset(); // its players are the registry's now
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
    lockCompetitions_ = false;

    // The version of the country file read last, as a load in order leaves it for
    // Without.sav (a file without a COUNTRY section reads no version).
    FileVersion::SetLoaded(lastVersion);
    return anyCountry;
}

// Each country's clubs and the people of their lists are checked, and its additional managers
// like the people of a club. The checks of one country change only its own clubs and people
// and read the rest of the world, so countries may be checked side by side: a country's people
// are those created from its own file (the lists hold no one else's), and every check gives
// the same result in any order. Nothing adds or removes a club meanwhile, so club references
// are looked up in one set of every club's ID. A country this load read had the part of the
// check that needs no other country right after its read (CheckOwnValuesAfterLoad): only the
// references it noted are left. A country it did not read keeps what it had, and has it
// checked whole, as before.
void CWorld::CheckLoadedCountries(int threads) {
    size_t clubCount = 0;
    for (int number = 1; number <= kCountryCount; ++number) {
        clubCount += countries_[number]->GetClubCount();
    }
    ClubIdSet clubIds(clubCount);
    for (int number = 1; number <= kCountryCount; ++number) {
        // A country's map is only searched for IDs of that country.
        auto insert = [&clubIds, number](uint32_t id) {
            if (ClubId::CountryOf(id) == static_cast<uint32_t>(number)) {
                clubIds.Insert(id);
            }
        };
        const CCountry& country = *countries_[number];
        if (country.OwnValuesChecked()) {
            // Noted as the country was read, while its map was fresh.
            for (uint32_t id : country.LoadedClubIds()) {
                insert(id);
            }
        } else {
            for (const auto& [id, club] : country.Clubs()) {
                insert(id);
            }
        }
    }
    clubIdsInCheck_ = &clubIds;
    // Taken out again however the checks end.
    struct InCheck {
        const ClubIdSet*& held;
        ~InCheck() { held = nullptr; }
    } inCheck{clubIdsInCheck_};

    ForEachOnThreads(1, kCountryCount, threads, [this](int number) {
        CCountry& country = *countries_[number];
        if (country.OwnValuesChecked()) {
            country.CheckNotedReferences(*this);
            return;
        }
        country.PostLoadCheckClubs();
        for (uint32_t id : country.AdditionalManagers()) {
            if (CPlayer* player = FindPlayer(id)) {
                player->PostLoadCheck();
            }
        }
    });
}

void CWorld::MergeStage(CountryLoadStage& stage) {
    // Replays the creations and discards of the file in order, as a load in order makes them.
    // The stage numbers its players 1, 2, 3, ... (provisional IDs): the ID given to each is
    // kept by that number, 0 for none (yet, or any more).
    uint32_t highest = 0;
    for (const CountryLoadStage::Event& event : stage.Events()) {
        highest = std::max(highest, event.provisional);
    }
    std::vector<uint32_t> given(size_t{highest} + 1, 0);
    for (const CountryLoadStage::Event& event : stage.Events()) {
        if (!event.create) {
            if (given[event.provisional] != 0) {
                RemovePlayer(given[event.provisional]);
                given[event.provisional] = 0;
            }
            continue;
        }
        uint32_t used = event.fileId;
        if (used == 0 || playerIndex_.count(used) > 0) {
            used = NextFreePlayerId();
            RecordLoadTranslation(event.fileId, used);
        }
        std::unique_ptr<CPlayer> player = stage.TakePlayer(event.provisional);
        if (player == nullptr) {
            // Discarded on the stage: it held a place in the registry until then.
            player = std::make_unique<CPlayer>(this, CPlayer::kRolePlayer, 0);
        } else {
            const bool firstName = stage.KeptDefaultFirstName(event.provisional);
            const bool surname = stage.KeptDefaultSurname(event.provisional);
            if (firstName || surname) {
                // The defaults count the players registered before this one.
                const CPlayer defaults(this, CPlayer::kRolePlayer, 0);
                if (firstName) {
                    player->SetFirstName(defaults.FirstName());
                }
                if (surname) {
                    player->SetSurname(defaults.Surname());
                }
            }
            player->SetWorld(this);
        }
        player->SetId(used);
        CPlayer* entered = player.get();
        // IDs mostly come in rising order: the end is the place to try first.
        players_.emplace_hint(players_.end(), used, std::move(player));
        playerIndex_.emplace(used, entered);
        given[event.provisional] = used;
    }

    // The lists of the country hold provisional IDs: each becomes the ID given.
    CCountry& country = stage.Country();
    auto finalId = [&given](uint32_t provisional) {
        return provisional < given.size() ? given[provisional] : 0u;
    };
    for (auto& [clubId, club] : country.clubs_) {
        // The IDs given are distinct (0 for a player gone), as RenumberPlayers asks.
        club->RenumberPlayers(finalId);
    }
    std::set<uint32_t> managers;
    for (uint32_t provisional : country.additionalManagers_) {
        if (const uint32_t id = finalId(provisional); id != 0) {
            managers.insert(id);
        }
    }
    country.additionalManagers_ = std::move(managers);
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
