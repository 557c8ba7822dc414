#include "editing/staff/formations_list.h"

#include "formats/string_table.h"

namespace tallo {

namespace {
constexpr int kFirstFormationString = 308;
constexpr int kFormationCount = 18;
} // namespace

std::vector<FormationEntry> FormationsList() {
    std::vector<FormationEntry> entries;
    for (int value = 0; value < kFormationCount; ++value) {
        entries.push_back({value, LoadString(kFirstFormationString + value)});
    }
    return entries;
}

} // namespace tallo
