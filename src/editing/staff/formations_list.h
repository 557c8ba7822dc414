#pragma once

#include <string>
#include <vector>

namespace tallo {

// One favourite formation of a manager: the value stored in the person record and its name.
struct FormationEntry {
    int value = 0;
    std::string name;
};

// The 18 formations a manager may favour, values 0 to 17 ("442 Standard" ... "541 Standard",
// string-table entries 308 to 325).
std::vector<FormationEntry> FormationsList();

} // namespace tallo
