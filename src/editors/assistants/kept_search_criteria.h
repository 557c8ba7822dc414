#pragma once

namespace tallo {

struct SearchCriteria;

// The player search's criteria, kept for the whole run of the editor: whichever window opens
// the search (main window, squad list, staff page) shows the criteria of the last search.
SearchCriteria& KeptSearchCriteria();

} // namespace tallo
