#pragma once

#include <string>

namespace tallo {

class CPlayer;

// The orders and cell texts the assistants' lists share. Comparisons return negative, 0 or
// positive like strcmp; names compare by the user's collation (record texts), so letter case
// counts only where collation makes it count.

// Surname, then first name.
int CompareBySurname(const CPlayer& a, const CPlayer& b);
// First name, then surname.
int CompareByFirstName(const CPlayer& a, const CPlayer& b);
// The main position's number (goalkeeper first, no position before all).
int CompareByPosition(const CPlayer& a, const CPlayer& b);
// The player's level (its rating), lowest first.
int CompareByLevel(const CPlayer& a, const CPlayer& b);
// The birth date, oldest first; no date before all.
int CompareByBirthDate(const CPlayer& a, const CPlayer& b);

// The cells: the main position's short name, the birth date ("1.7.1980", empty for none) and
// the level ("%2.1f").
std::string PositionText(const CPlayer& player);
std::string BirthDateText(const CPlayer& player);
std::string LevelText(const CPlayer& player);

} // namespace tallo
