#include "world/national_coach.h"

#include "formats/kl_file.h"

namespace tallo {

bool NationalCoach::Write(CKLFile& file) const {
    bool ok = file.WriteSectionBegin(kSection);
    ok = name.Write(file) && ok;
    ok = file.WriteString(Nickname()) && ok;
    ok = file.WriteInt(nationality) && ok;
    ok = birthDate.Write(file) && ok;
    for (uint8_t skill : skills) {
        ok = file.WriteByte(skill) && ok;
    }
    for (uint8_t language : languages) {
        ok = file.WriteByte(language) && ok;
    }
    ok = file.WriteByte(nationalExperience) && ok;
    ok = file.WriteByte(internationalExperience) && ok;
    ok = file.WriteSectionEnd(kSection) && ok;
    return ok;
}

bool NationalCoach::Read(CKLFile& file) {
    if (!file.FindSection(kSection)) {
        return false;
    }
    name.Read(file);
    file.ReadString(nickname, sizeof(nickname));
    file.ReadInt(nationality);
    birthDate.Read(file);
    for (uint8_t& skill : skills) {
        file.ReadByte(skill);
    }
    for (uint8_t& language : languages) {
        file.ReadByte(language);
    }
    file.ReadByte(nationalExperience);
    file.ReadByte(internationalExperience);
    file.SkipSection(kSection);
    return true;
}

} // namespace tallo
