#include "editing/admin/stadium_tools.h"

#include <array>

#include "world/club.h"
#include "world/country.h"
#include "world/rules_and_misc.h"
#include "world/stadium.h"

namespace tallo {

namespace {

constexpr size_t kNameBuffer = 30; // the name field: 29 characters and the end
constexpr int kMaxInitials = 9;

void MarkUsed(std::array<bool, kAdminStadiumKeys>& used, uint32_t key) {
    // Keys of 500 and more name no stadium the tool could remove.
    if (key < kAdminStadiumKeys) {
        used[key] = true;
    }
}

} // namespace

std::string InitialsStadiumName(std::string_view name, std::string_view city) {
    if (name.size() >= 2 && name[0] == '!' && name[1] == '!') {
        return std::string(name.substr(2, kNameBuffer - 1));
    }
    std::string result;
    int initials = 0;
    for (size_t i = 0; i < name.size() && initials < kMaxInitials; ++i) {
        const auto character = static_cast<signed char>(name[i]);
        if (character < 'A') {
            continue;
        }
        if (initials == 0 || name[i - 1] == ' ') {
            result += name[i];
            result += ". ";
            ++initials;
        }
    }
    result += city;
    if (result.size() > kNameBuffer - 1) {
        result.resize(kNameBuffer - 1);
    }
    return result;
}

int RenameCountryStadiums(CCountry& country) {
    int renamed = 0;
    for (auto& [key, stadium] : country.stadiums) {
        if (key >= kAdminStadiumKeys) {
            continue;
        }
        const std::string name = InitialsStadiumName(stadium.Name(), stadium.City());
        if (name != stadium.Name()) {
            stadium.SetName(name);
            ++renamed;
        }
    }
    return renamed;
}

int RemoveUnusedCountryStadiums(CCountry& country, const RulesAndMisc* rules) {
    std::array<bool, kAdminStadiumKeys> used{};
    for (const auto& [id, club] : country.Clubs()) {
        MarkUsed(used, club->MainStadium());
        MarkUsed(used, club->AlternativeStadium());
    }
    MarkUsed(used, country.nationalStadium);
    if (rules != nullptr) {
        for (int index = 0; index < RulesAndMisc::kStadiumReferences; ++index) {
            const uint32_t reference = rules->StadiumReference(index);
            if (reference != 0 && ((reference >> 16) & 0xFFu) == country.Number()) {
                MarkUsed(used, reference & 0xFFFFu);
            }
        }
    }
    int removed = 0;
    for (int key = static_cast<int>(kAdminStadiumKeys) - 1; key >= 0; --key) {
        const auto stadiumKey = static_cast<uint32_t>(key);
        if (!used[stadiumKey] && country.stadiums.Remove(stadiumKey)) {
            ++removed;
        }
    }
    return removed;
}

} // namespace tallo
