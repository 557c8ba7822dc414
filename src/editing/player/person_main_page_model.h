#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "editing/player/birth_date_fields.h"
#include "editing/player/person_editor_roles.h"

namespace tallo {

class CPlayer;
struct PersonEditContext;

// The main page of a person (CDlgPlayerAllRight): names, nationality and second nationality,
// the foreign-player exemption, the photo and the birth date with the age; which role sub-page
// the page hosts follows the person's role.
//
// The page edits its person in place. Names and the photo name are record text (8-bit, the
// database's code page). Store writes only what differs from what Fill found, so a page that
// was not touched changes no byte of its person.
class PersonMainPageModel {
public:
    enum Name { kSurname, kFirstName, kPseudonym, kNickname, kNameCount };

    // One entry of the nationality boxes: a country number and its name (UTF-8).
    struct CountryChoice {
        int number = 0;
        std::string name;
    };

    explicit PersonMainPageModel(const PersonEditContext& context);

    // Binds the page to a person (null: nothing) and fills the values from it.
    void SetPerson(CPlayer* person);
    CPlayer* Person() const { return person_; }
    void Fill();
    // Writes the changed values into the person (nothing without a person).
    void Store();

    // Characters a name keeps: surname, pseudonym and nickname 19, first name 15.
    static size_t NameLimit(Name name);
    // Sets a name, cut to its limit.
    void SetName(Name name, std::string text);
    const std::string& NameText(Name name) const { return names_[name]; }

    // The countries 1 to 206 by name in the database's language slot, sorted by name.
    const std::vector<CountryChoice>& Countries() const { return countries_; }
    // 1 to 206; the second nationality also 0 (none). Other numbers are refused.
    void SetNationality(int country);
    void SetSecondNationality(int country);
    int Nationality() const { return nationality_; }
    int SecondNationality() const { return secondNationality_; }

    bool exemption = false; // "not counted as a foreign player"

    // The photo: its file name (record text, empty for none), the path of the picture shown
    // ("<picture folder>/<name>" in UTF-8, found regardless of case; empty for none) and the text
    // shown beside it (the name, or the "no file" entry when there is none).
    const std::string& Photo() const { return photo_; }
    std::string PhotoPath() const;
    std::string PhotoText() const;
    // Asks for a file through the prompt and keeps its name when it lies in the picture
    // folder; refuses others with a message. True when a photo was taken.
    bool ChoosePhoto();
    void ClearPhoto() { photo_.clear(); }

    BirthDateFields birthDate;
    int Age() const { return birthDate.Age(); }

    // The sub-page the page shows for its person (players without a person).
    PersonRoleGroup RoleGroup() const;

private:
    void FillCountries();

    const PersonEditContext& context_;
    CPlayer* person_ = nullptr;
    std::vector<CountryChoice> countries_;

    std::array<std::string, kNameCount> names_;
    int nationality_ = 1;
    int secondNationality_ = 0;
    std::string photo_;

    // What Fill found.
    std::array<std::string, kNameCount> filledNames_;
    int filledNationality_ = 1;
    int filledSecondNationality_ = 0;
    bool filledExemption_ = false;
    std::string filledPhoto_;
    BirthDateFields filledBirthDate_;
};

} // namespace tallo
