#include "editing/staff/person_list_rows.h"

#include "editing/staff/role_table.h"
#include "formats/string_table.h"
#include "world/person_name.h"
#include "world/player.h"

namespace tallo {

std::string PersonListName(const CPlayer& person) {
    if (!person.Pseudonym().empty()) {
        return std::string(person.Pseudonym());
    }
    return FormatPersonName(person.FirstName(), person.Surname());
}

std::string PersonRowText(const CPlayer& person) {
    const std::string name = PersonListName(person);
    const RoleInfo* role = FindRole(person.Role());
    if (role == nullptr) {
        return name;
    }
    return FormatString(role->rowFormat, name.c_str());
}

} // namespace tallo
