#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "editing/club/club_choice_lists.h"
#include "editing/common/record_choosers.h"

namespace tallo {

class CWorld;

// The player list (CDlgPlayerList): the players (role 0) of a country's clubs, of all of them
// or of one, each row "name, position, club, rating (%3.1f)" (tab-separated, record text),
// ordered by club name and then by the club's list. The user may pick one: he is given with
// the club listing him.
class PlayerListModel {
public:
    struct Row {
        uint32_t person = 0;
        uint32_t club = 0;
        std::string text;
        float rating = 0.0f;
    };

    PlayerListModel(const CWorld& world, int languageSlot);

    // The countries by name (values are country numbers).
    const std::vector<ChoiceEntry>& Countries() const { return countries_; }
    int CountryIndex() const { return countryIndex_; }
    // Chooses the country by number (nothing listed when it is not offered) and lists the
    // players of all its clubs.
    void ShowCountry(int country);
    void SelectCountry(int index);

    // The clubs of the country, after an entry of value 0 for all of them (the view names it).
    const std::vector<ChoiceEntry>& Clubs() const { return clubs_; }
    int ClubIndex() const { return clubIndex_; }
    void SelectClub(int index);

    const std::vector<Row>& Rows() const { return rows_; }
    // Sum over the rows of the players' ratings divided by their number (0 without rows).
    float Average() const;

    int SelectedRow() const { return selectedRow_; }
    void SelectRow(int row);
    std::optional<IRecordChoosers::ChosenPerson> Chosen() const;

private:
    void ListRows();

    const CWorld& world_;
    int languageSlot_;
    std::vector<ChoiceEntry> countries_;
    std::vector<ChoiceEntry> clubs_;
    std::vector<Row> rows_;
    int countryIndex_ = -1;
    int clubIndex_ = 0;
    int selectedRow_ = -1;
};

} // namespace tallo
