#include "editing/player/player_chooser_model.h"

#include "editing/player/player_positions_names.h"
#include "editing/staff/person_list_rows.h"
#include "formats/dialog_text.h"
#include "world/country.h"
#include "world/game_date.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {

bool PlayerChooserModel::Offers(const CPlayer& person) const {
    return person.IsPlayerRole();
}

std::string PlayerChooserModel::RowText(const CPlayer& person, const CClub&) const {
    const CCountry* nation = world_.GetCountry(person.Nationality());
    const std::string nationality =
        nation != nullptr ? std::string(nation->Name(languageSlot_)) : std::string();
    const float rating = person.GetRating();
    return FormatDialogText("chooser.row.player", PersonListName(person).c_str(),
                            PositionName(person.MainPosition()).c_str(), nationality.c_str(),
                            static_cast<double>(rating), AgeAt(person.BirthDate()));
}

} // namespace tallo
