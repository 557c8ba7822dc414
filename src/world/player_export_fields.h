#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tallo {

class CPlayer;

// The player field names of the export table: the members that have an export name, with the
// member's value as text (numbers in decimal, names as stored, the birth date as d.m.yyyy).
struct PlayerExportField {
    std::string_view name;
    std::string (*value)(const CPlayer& player);
};

// In the order of the record's members.
std::span<const PlayerExportField> PlayerExportFields();
// The field of that name (exact comparison); nullptr when there is none.
const PlayerExportField* FindPlayerExportField(std::string_view name);

} // namespace tallo
