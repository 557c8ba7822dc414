#include "editors/assistants/kept_search_criteria.h"

#include "editing/assistants/search_criteria.h"

namespace tallo {

SearchCriteria& KeptSearchCriteria() {
    static SearchCriteria kept;
    return kept;
}

} // namespace tallo
