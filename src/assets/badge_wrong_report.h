#pragma once

#include <string>
#include <vector>

namespace tallo {

class CBadgeSources;
class CWorld;
class IPrompt;

// The check for wrong badges: for every club of countries 1 to 206 (in club order) whose
// badge file is set but fails CheckBadge, the text of string-table entry 890 with the club's
// name in the world's current language and its badge file, followed by "\r\n\r\n". The
// club's texts are 8-bit record text and come out as UTF-8 in the active code page.
std::vector<std::string> CheckWrongBadges(const CWorld& world, const CBadgeSources& sources);

// Shows the texts together in the error window; nothing is shown for an empty list.
// True when something was shown.
bool ShowWrongBadges(const std::vector<std::string>& texts, IPrompt& prompt);

} // namespace tallo
