#pragma once

#include <cstddef>
#include <string>

#include "world/referee.h"

namespace tallo {

// The referee editor (CDlgReferee): first name, surname and the referee's characteristic, one
// of seven radio buttons in trait order (world-class referee ... coward, none).
//
// The model works on its own values, filled from a referee; Store writes them into a referee.
// The first name field takes up to 19 characters like the surname, but the record keeps only
// 15 of them: Store cuts each name to its record field. A stored trait above the last one
// (none) checks the none button, as the load's check would make it.
class RefereeEditorModel {
public:
    static constexpr size_t kFirstNameFieldLimit = 19;
    static constexpr size_t kSurnameFieldLimit = 19;
    static constexpr size_t kFirstNameStoredLimit = sizeof(PersonName::firstName) - 1;
    static constexpr size_t kSurnameStoredLimit = sizeof(PersonName::surname) - 1;
    static constexpr int kTraitButtons = Referee::kTraitCount;

    explicit RefereeEditorModel(const Referee& referee);

    // Record text (8-bit) of the two fields, each cut to its field's 19 characters.
    const std::string& FirstName() const { return firstName_; }
    const std::string& Surname() const { return surname_; }
    void SetFirstName(std::string text);
    void SetSurname(std::string text);

    // The index of the checked radio button, 0 to 6 (the trait it stores).
    int CheckedTrait() const { return trait_; }
    // Checks button `index`; an index outside 0 to 6 is ignored.
    void CheckTrait(int index);

    // Writes the names (cut to 15 and 19 characters) and the trait into `referee`; the spare
    // byte stays as it was.
    void Store(Referee& referee) const;

    // The text of a trait's radio button (UTF-8, interface language); empty outside 0 to 6.
    static std::string TraitText(int trait);

private:
    std::string firstName_;
    std::string surname_;
    int trait_ = 0;
};

} // namespace tallo
