#include "mapping/nickname_update.h"

#include "mapping/mapping_report.h"
#include "mapping/zelo_player_mapping.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

#include <vector>

namespace tallo {

namespace {

struct NicknameChange {
    std::string surname;
    std::string firstName;
    std::string before;
    std::string after;
};

} // namespace

NicknameUpdateResult UpdateNicknames(CWorld& world, const CZeloPlayerMapping& mapping, int country,
                                     const std::string& reportPath) {
    NicknameUpdateResult result;
    if (mapping.Empty() || country < 0 || country > CWorld::kCountryCount) {
        return result;
    }
    result.ran = true;
    std::vector<NicknameChange> changes;
    const int first = country == 0 ? 1 : country;
    const int last = country == 0 ? CWorld::kCountryCount : country;
    for (int number = first; number <= last; ++number) {
        CCountry* land = world.GetCountry(number);
        if (land == nullptr) {
            continue;
        }
        for (const auto& [id, club] : land->Clubs()) {
            if (!club || club->IsNationalTeam()) {
                continue;
            }
            for (uint32_t index = 0; index < club->PlayerCount(); ++index) {
                CPlayer* player = world.FindPlayer(club->PlayerId(index));
                if (player == nullptr) {
                    continue;
                }
                const PlayerIdRecord* record = mapping.FindRecordByName(*player);
                if (record == nullptr) {
                    ++result.notFound;
                    continue;
                }
                const std::string before(player->Nickname());
                if (!record->nickname.empty()) {
                    player->SetNickname(record->nickname);
                }
                if (player->Nickname() == before) {
                    ++result.unchanged;
                    continue;
                }
                ++result.updated;
                changes.push_back(NicknameChange{std::string(player->Surname()),
                                                 std::string(player->FirstName()), before,
                                                 std::string(player->Nickname())});
            }
        }
    }
    if (reportPath.empty()) {
        return result;
    }
    MappingReport report;
    report << "Nickname update from file " << mapping.Path() << "\r\n";
    report << "Updated: " << result.updated << ", Unchanged: " << result.unchanged
           << ", Not found: " << result.notFound << "\r\n";
    report << "\r\nUpdated:\r\n";
    for (const NicknameChange& change : changes) {
        report << "   " << change.surname << ", " << change.firstName << " [nick: " << change.before
               << " -> " << change.after << "]\r\n";
    }
    result.reportWritten = report.Save(reportPath);
    return result;
}

} // namespace tallo
