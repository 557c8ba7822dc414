#include "editing/assistants/search_criteria.h"

#include "world/name_search.h"

namespace tallo {

SearchKeys SearchKeys::From(const SearchCriteria& criteria) {
    SearchKeys keys;
    keys.firstName = MakeSearchKey(criteria.firstName);
    keys.surname = MakeSearchKey(criteria.surname);
    keys.nickname = MakeSearchKey(criteria.nickname);
    return keys;
}

} // namespace tallo
