#include "mapping/name_lists.h"

#include "formats/name_pool_line.h"
#include "platform/atomic_file.h"
#include "platform/path_resolver.h"

namespace tallo {

namespace {

const std::vector<std::string>& NoNames() {
    static const std::vector<std::string> none;
    return none;
}

} // namespace

bool CNameLists::Load(const std::string& maleNames, const std::string& femaleNames,
                      const std::string& surnames) {
    Clear();
    bool all = true;
    const std::array<const std::string*, kListCount> paths = {&maleNames, &femaleNames, &surnames};
    for (int list = 0; list < kListCount; ++list) {
        std::string text;
        if (!ReadWholeFile(ResolvePath(*paths[static_cast<size_t>(list)]), text, kMaxFileBytes)) {
            all = false;
            continue;
        }
        LoadText(static_cast<List>(list), text);
    }
    return all;
}

void CNameLists::LoadText(List list, std::string_view text) {
    if (list < 0 || list >= kListCount) {
        return;
    }
    auto& pools = lists_[static_cast<size_t>(list)];
    ForEachPoolName(text, kPools, kMaxNameLength, [&](int pool, std::string_view name) {
        pools[static_cast<size_t>(pool)].emplace_back(name);
    });
}

void CNameLists::Clear() {
    for (auto& pools : lists_) {
        for (auto& names : pools) {
            names.clear();
        }
    }
}

const std::vector<std::string>& CNameLists::Names(int list, int pool) const {
    if (list < 0 || list >= kListCount || pool < 0 || pool >= kPools) {
        return NoNames();
    }
    return lists_[static_cast<size_t>(list)][static_cast<size_t>(pool)];
}

size_t CNameLists::Count(int list) const {
    size_t count = 0;
    for (int pool = 0; pool < kPools; ++pool) {
        count += Names(list, pool).size();
    }
    return count;
}

std::string CNameLists::Draw(int list, int pool, const std::function<int(int)>& randomBelow,
                             size_t maxLength) const {
    const std::vector<std::string>* names = &Names(list, pool);
    if (names->empty()) {
        names = &Names(list, 0);
    }
    if (names->empty()) {
        return std::string();
    }
    const int count = static_cast<int>(names->size());
    int index = randomBelow ? randomBelow(count) : 0;
    if (index < 0 || index >= count) {
        index = 0;
    }
    return (*names)[static_cast<size_t>(index)].substr(0, maxLength);
}

} // namespace tallo
