#pragma once

#include <string>
#include <string_view>

#include "world/fixed_text.h"

namespace tallo {

class CKLFile;

// The name of a person who is not a player record: staff members, referees, pool entries and
// the national coach.
struct PersonName {
    char firstName[16] = {}; // up to 15 characters
    char surname[20] = {};   // up to 19 characters

    std::string_view FirstName() const { return FixedText(firstName); }
    std::string_view Surname() const { return FixedText(surname); }
    void SetFirstName(std::string_view text) { SetFixedText(firstName, text); }
    void SetSurname(std::string_view text) { SetFixedText(surname, text); }

    // The two lines of a name inside a record's section: first name, then surname.
    bool Write(CKLFile& file) const;
    void Read(CKLFile& file);
};

// Display form of a name: "Miller, A." when both parts are present, else whichever part is
// not empty. Returns its own string (no shared buffer), so calls may be nested freely.
std::string FormatPersonName(std::string_view firstName, std::string_view surname);
std::string FormatPersonName(const PersonName& name);

} // namespace tallo
