#pragma once

#include <string>

namespace tallo {

class CPlayer;

// How the person lists name a person: the pseudonym when it has one, else "Surname, F." (or
// whichever part of the name is set). Record text.
std::string PersonListName(const CPlayer& person);

// A person's row in the person lists: the row format of its role (a player's own entry for
// role 0) with the display name; a role without a format shows the name alone. Record text
// with tab-separated columns.
std::string PersonRowText(const CPlayer& person);

} // namespace tallo
