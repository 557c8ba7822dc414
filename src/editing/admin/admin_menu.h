#pragma once

namespace tallo {

// The admin menu's own texts, English in both interface languages.
inline constexpr const char* kAdminMenuTitle = "*** AdminTools";
// What "Merge french / spain clubnames" shows; it does nothing else.
inline constexpr const char* kMergeClubNamesMessage =
    "This function is only avaiable in debug build";

// The disabled section label the admin menu shows above a command, or nullptr: "--- Club ---"
// above the club tool, "--- Country ---" above the country tools, "--- Database ---" above
// the database tools and "--- Misc ---" above the two console tools (the console face mapping
// and the console build).
const char* AdminSectionBefore(int command);

} // namespace tallo
