#pragma once

#include "editing/player/person_chooser_model.h"

namespace tallo {

// The player chooser (CDlgPlayerSelect): the person chooser narrowed to players (role 0), each
// row "name, position, nationality, rating (%2.1f), age" (tab-separated; the age at the
// current game date).
class PlayerChooserModel : public PersonChooserModel {
public:
    using PersonChooserModel::PersonChooserModel;

protected:
    bool Offers(const CPlayer& person) const override;
    std::string RowText(const CPlayer& person, const CClub& club) const override;
};

} // namespace tallo
