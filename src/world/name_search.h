#pragma once

#include <string>
#include <string_view>

namespace tallo {

// Name search with wildcards that ignores accents and case: criteria and names are both
// folded (at most 127 characters) and upper-cased before they are matched, so "MULLER"
// and "m*ller" both find a "Müller".

// The form a criterion or a name is matched in.
std::string MakeSearchKey(std::string_view text);
// True when `criterionKey` (made with MakeSearchKey) is empty or matches the whole name.
bool NameMatches(std::string_view name, std::string_view criterionKey);

} // namespace tallo
