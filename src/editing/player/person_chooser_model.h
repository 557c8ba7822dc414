#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "editing/club/club_choice_lists.h"
#include "editing/common/record_choosers.h"

namespace tallo {

class CClub;
class CPlayer;
class CWorld;

// The person chooser (CDlgPersonSelect): the countries by name, the chosen country's clubs
// (national team first), and the persons that the chosen club lists, in list order. Preset to
// a country, a club and a person; gives the chosen person and the club listing him. Texts are
// record text (club and country names in the given language slot).
//
// The rows show persons of every role, each in its role's row format; the player chooser
// narrows them to players with columns of their own.
class PersonChooserModel {
public:
    struct Row {
        uint32_t person = 0;
        std::string text; // tab-separated columns
    };

    PersonChooserModel(const CWorld& world, int languageSlot);
    virtual ~PersonChooserModel() = default;

    // Selects the country of `presetClub` when it names a club, else `presetCountry`; then the
    // club and the person when they are listed.
    void Preset(int presetCountry, uint32_t presetClub, uint32_t presetPerson);

    const std::vector<ChoiceEntry>& Countries() const { return countries_; }
    int CountryIndex() const { return countryIndex_; }
    // Chooses a country: its clubs are listed; no club and no person is chosen.
    void SelectCountry(int index);

    const std::vector<ChoiceEntry>& Clubs() const { return clubs_; }
    int ClubIndex() const { return clubIndex_; }
    // Chooses a club: its persons are listed; no person is chosen.
    void SelectClub(int index);

    const std::vector<Row>& Persons() const { return persons_; }
    int PersonIndex() const { return personIndex_; }
    void SelectPerson(int index);

    // The chosen person and his club; nothing while no person is chosen.
    std::optional<IRecordChoosers::ChosenPerson> Chosen() const;

protected:
    // Whether a person is offered, and his row.
    virtual bool Offers(const CPlayer& person) const;
    virtual std::string RowText(const CPlayer& person, const CClub& club) const;

    const CWorld& world_;
    int languageSlot_;

private:
    void ListClubs();
    void ListPersons();

    std::vector<ChoiceEntry> countries_;
    std::vector<ChoiceEntry> clubs_;
    std::vector<Row> persons_;
    int countryIndex_ = -1;
    int clubIndex_ = -1;
    int personIndex_ = -1;
};

} // namespace tallo
