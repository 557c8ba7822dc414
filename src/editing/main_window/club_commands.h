#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tallo {

class DatabaseSession;
class IPrompt;

// The club commands of the main window (context menu 187), each on a club of an open
// database given by its ID. What changes the database goes through the session's journal,
// under the command's name; a command that changes nothing records nothing.

// 32840: after yes to question 860 the club's person list is emptied, first entry first.
// The persons stay in the registry, listed nowhere, so the next save leaves them out. True
// when the list was emptied.
bool RemovePlayersAndManagers(DatabaseSession& session, uint32_t clubId, IPrompt& prompt,
                              const std::string& caption);

// Whether a club may be called `name` (record text): not empty, and nothing that would read
// back differently from the file (line breaks and other control characters, a double quote,
// a leading ";" or "%").
bool IsUsableClubName(std::string_view name);

// 32821: a new club of `country` (1 to 206) with all five names `name` (record text in the
// database's code page) and the smallest free club number; the country's player pool grows to
// 22 entries per club. A name that cannot be used is refused with a message. The new club's ID,
// 0 when none was made.
uint32_t AddNewClub(DatabaseSession& session, int country, std::string_view name, IPrompt& prompt,
                    const std::string& caption);

// 32822: removes the club from its country at once, without a question. The national team is
// never removed. True when a club was removed.
bool DeleteClub(DatabaseSession& session, uint32_t clubId);

// 32823: saves the club into a club file the user chooses (the club's name proposed). True
// when written.
bool SaveClubToFile(DatabaseSession& session, uint32_t clubId, IPrompt& prompt);

// 32824: replaces the club from a club file the user chooses (the club keeps its ID, stadiums
// and badge; its persons come from the file). For the national team message 843 instead. True
// when the club was replaced.
bool ReplaceClubFromFile(DatabaseSession& session, uint32_t clubId, IPrompt& prompt,
                         const std::string& caption);

} // namespace tallo
