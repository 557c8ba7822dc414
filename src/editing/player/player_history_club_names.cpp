#include "editing/player/player_history_club_names.h"

#include "platform/code_page.h"
#include "world/country.h"
#include "world/person_name.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {

std::string PersonClubName(const CWorld& world, uint32_t reference) {
    if (reference == 0) {
        return std::string();
    }
    const CCountry* country = world.GetCountry(static_cast<int>(ClubId::CountryOf(reference)));
    if (country == nullptr) {
        return std::string();
    }
    return ToUtf8(country->GetReferenceName(reference), ActiveCodePage());
}

std::string PersonDisplayName(const CPlayer& person) {
    const std::string bytes = person.Pseudonym().empty()
                                  ? FormatPersonName(person.FirstName(), person.Surname())
                                  : std::string(person.Pseudonym());
    return ToUtf8(bytes, ActiveCodePage());
}

} // namespace tallo
