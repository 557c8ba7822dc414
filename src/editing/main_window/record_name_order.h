#pragma once

#include <string>
#include <string_view>

namespace tallo {

// Sorting by name as the window's sorted lists do: record texts (8-bit, in the active code
// page) compared by the collation of the user's locale (LC_COLLATE, which start-up sets from
// the user's environment). Negative, 0 or positive like strcmp.
int CompareRecordNames(std::string_view left, std::string_view right);

// The collation key of a record text: keys compare (as byte strings) like the names do, so a
// list sorts by key without converting a name more than once.
std::string RecordNameKey(std::string_view name);

} // namespace tallo
