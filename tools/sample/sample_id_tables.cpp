#include "sample_id_tables.h"

#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include "platform/atomic_file.h"
#include "sample_names.h"
#include "sample_person_keys.h"
#include "sample_random.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo::sample {

namespace {

constexpr size_t kDescriptionLength = 51;
// Column 1 of a line that is no club.
constexpr int kIgnoredColumn1 = 400;

// Different whole numbers from a range, drawn at random; once the draws keep hitting taken
// numbers, the smallest free one. 0 when the whole range is taken.
class UniqueNumbers {
public:
    UniqueNumbers(SampleRandom& random, int low, int high)
        : random_(random), low_(low), high_(high) {}

    int Next() {
        for (int attempt = 0; attempt < 64; ++attempt) {
            const int number = random_.Range(low_, high_);
            if (taken_.insert(number).second) {
                return number;
            }
        }
        for (int number = low_; number <= high_; ++number) {
            if (taken_.insert(number).second) {
                return number;
            }
        }
        return 0;
    }

private:
    SampleRandom& random_;
    int low_;
    int high_;
    std::set<int> taken_;
};

bool WriteTable(const std::string& folder, const char* name, const std::string& text,
                std::string& error) {
    const std::string path = folder + "/" + name;
    if (!WriteFileAtomically(path, text)) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

// Club ID file ---------------------------------------------------------------------------------

struct ClubEntry {
    const CClub* club = nullptr;
    std::string name;
    std::string place;
    std::string countryName;
};

class ClubTable {
public:
    ClubTable(SampleRandom& random, SampleFileSummary& summary)
        : random_(random), ids_(random, 1, 65535), summary_(summary) {}

    // A line; returns its Zelo ID.
    int Line(int column1, const std::string& countryName, const std::string& clubName,
             const std::string& key) {
        const int id = ids_.Next();
        const std::string description = Fit(countryName + " - " + clubName, kDescriptionLength);
        text_ += std::to_string(column1) + "\t" + description + "\t" + std::to_string(id) + "\t" +
                 key + "\r\n";
        ++summary_.clubIdLines;
        return id;
    }
    int Column1() { return random_.Range(1, kIgnoredColumn1 - 1); }
    const std::string& Text() const { return text_; }

private:
    SampleRandom& random_;
    UniqueNumbers ids_;
    SampleFileSummary& summary_;
    std::string text_;
};

std::string ClubIdText(const CWorld& world, const SampleOptions& options,
                       SampleFileSummary& summary) {
    const int slot = world.Language();
    std::vector<ClubEntry> clubs;
    std::map<std::string, int> nameCount;
    std::map<std::string, std::vector<size_t>> byPlace;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const CCountry* country = world.GetCountry(number);
        for (const auto& [id, club] : country->Clubs()) {
            if (club == nullptr) {
                continue;
            }
            ClubEntry entry{club.get(), std::string(club->Name(slot)),
                            std::string(club->ShortName(slot)), std::string(country->Name(0))};
            ++nameCount[entry.name];
            byPlace[entry.place].push_back(clubs.size());
            clubs.push_back(std::move(entry));
        }
    }
    // A name that one club has and that is nobody's short name finds that club alone.
    auto alone = [&](const std::string& name) {
        return !name.empty() && nameCount[name] == 1 && byPlace.count(name) == 0;
    };

    SampleRandom random(options.seed ^ 0xC1AB1D5ull);
    ClubTable table(random, summary);
    std::vector<size_t> candidates;
    for (size_t i = 0; i < clubs.size(); ++i) {
        if (alone(clubs[i].name) && !clubs[i].club->IsNationalTeam()) {
            candidates.push_back(i);
        }
    }
    // The clubs of the special lines: S.A.D., listed twice, column 1 = 400.
    std::vector<size_t> special;
    while (special.size() < 3 && special.size() < candidates.size()) {
        const size_t pick =
            candidates[static_cast<size_t>(random.Below(static_cast<int>(candidates.size())))];
        if (std::find(special.begin(), special.end(), pick) == special.end()) {
            special.push_back(pick);
        }
    }
    // A place whose clubs are listed by no name of their own: they are found by short name.
    // A place of two clubs comes first (both are found, the line counts as used twice).
    std::string placeKey;
    for (int wantedClubs : {2, 1}) {
        for (const auto& [place, members] : byPlace) {
            bool usable = placeKey.empty() && !place.empty() &&
                          static_cast<int>(members.size()) == wantedClubs && nameCount[place] == 0;
            for (size_t member : members) {
                usable = usable && !clubs[member].club->IsNationalTeam() &&
                         std::find(special.begin(), special.end(), member) == special.end();
            }
            if (usable) {
                placeKey = place;
            }
        }
    }
    const std::vector<size_t> placeClubs =
        placeKey.empty() ? std::vector<size_t>() : byPlace[placeKey];
    auto isPlaceClub = [&](size_t index) {
        return std::find(placeClubs.begin(), placeClubs.end(), index) != placeClubs.end();
    };

    const int share = options.scale == SampleScale::kFull ? 70 : 75;
    int twiceFirst = 0;
    for (size_t i = 0; i < clubs.size(); ++i) {
        const ClubEntry& entry = clubs[i];
        const uint32_t id = entry.club->Id();
        if (special.size() > 0 && i == special[0]) {
            summary.clubZeloIds[id] =
                table.Line(table.Column1(), entry.countryName, entry.name, entry.name + " S.A.D.");
        } else if (special.size() > 1 && i == special[1]) {
            twiceFirst = table.Line(table.Column1(), entry.countryName, entry.name, entry.name);
        } else if (special.size() > 2 && i == special[2]) {
            table.Line(kIgnoredColumn1, entry.countryName, entry.name, entry.name);
        } else if (isPlaceClub(i)) {
            if (i == placeClubs.front()) {
                const int zelo =
                    table.Line(table.Column1(), entry.countryName, entry.place, entry.place);
                for (size_t member : placeClubs) {
                    summary.clubZeloIds[clubs[member].club->Id()] = zelo;
                }
            }
        } else if (alone(entry.name) && random.Chance(share)) {
            summary.clubZeloIds[id] =
                table.Line(table.Column1(), entry.countryName, entry.name, entry.name);
        }
    }
    // The second line of the club listed twice replaces the first.
    if (special.size() > 1 && twiceFirst != 0) {
        const ClubEntry& entry = clubs[special[1]];
        summary.clubZeloIds[entry.club->Id()] =
            table.Line(table.Column1(), entry.countryName, entry.name + " (2)", entry.name);
    }
    // A club of the other game that the database does not hold.
    for (const char* name : {"Phantom Rovers", "Phantom Rovers 1899", "Nowhere United FC"}) {
        if (nameCount.count(name) == 0 && byPlace.count(name) == 0) {
            table.Line(table.Column1(), "Elsewhere", name, name);
            break;
        }
    }
    return table.Text();
}

// Player ID file -------------------------------------------------------------------------------

void PlayerRecord(std::string& text, const std::string& name, int id, const std::string& nick) {
    const std::string number = std::to_string(id);
    text += name + "\r\n" + number + "\r\n" + nick + "\r\n" + number + "\r\n";
}

std::string PlayerIdText(const SamplePersonKeys& keys, const SampleOptions& options,
                         SampleFileSummary& summary) {
    SampleRandom random(options.seed ^ 0x91A7E51Dull);
    UniqueNumbers ids(random, 1, 999999);
    const int share = options.scale == SampleScale::kFull ? 6 : 35;
    std::string text;
    const CPlayer* pseudonymPlayer = nullptr;
    const CPlayer* twice = nullptr;
    int twiceId = 0;
    for (const CPlayer* player : keys.ClubPlayers()) {
        if (keys.UniqueByName(*player) && random.Chance(share)) {
            const int id = ids.Next();
            PlayerRecord(text, SamplePersonKeys::FullName(*player), id, std::string());
            summary.playerZeloIds[player->Id()] = id;
            ++summary.playerIdRecords;
            if (twice == nullptr) {
                twice = player;
                twiceId = id;
            }
        } else if (pseudonymPlayer == nullptr && keys.UniquePseudonym(*player)) {
            pseudonymPlayer = player;
        }
    }
    // Known by his pseudonym alone: the record's name is spelt so that it matches nobody.
    if (pseudonymPlayer != nullptr) {
        const std::string first(pseudonymPlayer->FirstName());
        const std::string name = (first.empty() ? std::string() : first.substr(0, 1) + ". ") +
                                 std::string(pseudonymPlayer->Surname());
        if (!keys.IsKnown(name)) {
            const int id = ids.Next();
            PlayerRecord(text, name, id, std::string(pseudonymPlayer->Pseudonym()));
            summary.playerZeloIds[pseudonymPlayer->Id()] = id;
            ++summary.playerIdRecords;
        }
    }
    // A name given twice: the player keeps the ID of the first record.
    if (twice != nullptr) {
        PlayerRecord(text, SamplePersonKeys::FullName(*twice), ids.Next(), std::string());
        summary.playerZeloIds[twice->Id()] = twiceId;
        ++summary.playerIdRecords;
    }
    // Players of the other game that the database does not hold.
    static const char* const kStrangers[][2] = {
        {"Quentin Zabriskie", "Q-Zab"}, {"Xaver Quirrenbach", ""}, {"Yusuf Vandermeulen", "Yussi"}};
    for (const auto& stranger : kStrangers) {
        if (!keys.IsKnown(stranger[0]) && (stranger[1][0] == '\0' || !keys.IsKnown(stranger[1]))) {
            PlayerRecord(text, stranger[0], ids.Next(), stranger[1]);
            ++summary.playerIdRecords;
        }
    }
    return text;
}

// Star heads -----------------------------------------------------------------------------------

std::string StarHeadText(const SamplePersonKeys& keys, const SampleOptions& options,
                         SampleFileSummary& summary) {
    SampleRandom random(options.seed ^ 0x57A4EADull);
    const size_t wanted = options.scale == SampleScale::kFull ? 60 : 30;
    std::vector<const CPlayer*> candidates;
    for (const CPlayer* player : keys.ClubPlayers()) {
        if (keys.UniqueFolded(*player)) {
            candidates.push_back(player);
        }
    }
    std::set<size_t> chosen;
    while (chosen.size() < std::min(wanted, candidates.size())) {
        chosen.insert(static_cast<size_t>(random.Below(static_cast<int>(candidates.size()))));
    }
    std::string text;
    int number = 1;
    int face = 500;
    for (size_t index : chosen) {
        const CPlayer& player = *candidates[index];
        std::string name = SamplePersonKeys::FullName(player);
        if (player.MainPosition() == CPlayer::kGK) {
            name += " (GK)";
        }
        text += name + "\t" + std::to_string(number++) + "\t" + std::to_string(face) + "\r\n";
        summary.consoleFaces[player.Id()] = face;
        ++face;
        ++summary.starHeadLines;
    }
    if (!keys.IsKnown("Zinedine Phantomas")) {
        text +=
            "Zinedine Phantomas\t" + std::to_string(number) + "\t" + std::to_string(face) + "\r\n";
        ++summary.starHeadLines;
    }
    return text;
}

} // namespace

bool WriteSampleIdTables(const std::string& databaseFolder, const CWorld& world,
                         const SamplePersonKeys& keys, const SampleOptions& options,
                         SampleFileSummary& summary, std::string& error) {
    return WriteTable(databaseFolder, "ZELO_ClubIDs.txt", ClubIdText(world, options, summary),
                      error) &&
           WriteTable(databaseFolder, "ZELO_PlayerIDs.txt", PlayerIdText(keys, options, summary),
                      error) &&
           WriteTable(databaseFolder, "ZELO2003_StarHeads.txt",
                      StarHeadText(keys, options, summary), error);
}

} // namespace tallo::sample
