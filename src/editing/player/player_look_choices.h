#pragma once

#include <string>
#include <vector>

namespace tallo {

class CBaseTextFile;

// One entry of a list of the look page: the value stored in the record and its name (UTF-8).
struct LookChoice {
    int value = 0;
    std::string name;
};

// The lists of the look page, in the interface language. The values are those the renderer
// draws: face and skin types 1 to 25, hair colours 1 to 5, hair styles 1 to 10, beards 1 (none)
// to 6, shoe types 0 to 5.
std::vector<LookChoice> FaceTypeChoices();
std::vector<LookChoice> HairColourChoices();
std::vector<LookChoice> HairStyleChoices();
std::vector<LookChoice> BeardChoices();
// Shoe types named by the shoe table's row of that number, else "Model <n>".
std::vector<LookChoice> ShoeTypeChoices(const CBaseTextFile* shoes);
// The special faces: entry 0 (none), then every row of the face table that has a number and a
// text, in table order. Without a table only entry 0.
std::vector<LookChoice> SpecialFaceChoices(const CBaseTextFile* faces);

// The position of `value` in `choices`, -1 when no entry has it.
int LookChoiceIndex(const std::vector<LookChoice>& choices, int value);

} // namespace tallo
