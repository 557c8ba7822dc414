#include "world/person_name.h"

#include "formats/kl_file.h"

namespace tallo {

bool PersonName::Write(CKLFile& file) const {
    bool ok = file.WriteString(FirstName());
    ok = file.WriteString(Surname()) && ok;
    return ok;
}

void PersonName::Read(CKLFile& file) {
    file.ReadString(firstName, sizeof(firstName));
    file.ReadString(surname, sizeof(surname));
}

std::string FormatPersonName(std::string_view firstName, std::string_view surname) {
    if (!firstName.empty() && !surname.empty()) {
        std::string text(surname);
        text += ", ";
        text += firstName.front();
        text += '.';
        return text;
    }
    if (surname.empty()) {
        return std::string(firstName);
    }
    return std::string(surname);
}

std::string FormatPersonName(const PersonName& name) {
    return FormatPersonName(name.FirstName(), name.Surname());
}

} // namespace tallo
