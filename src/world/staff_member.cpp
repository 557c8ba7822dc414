#include "world/staff_member.h"

#include "formats/kl_file.h"

namespace tallo {

bool StaffMember::Write(CKLFile& file) const {
    bool ok = file.WriteSectionBegin(kSection);
    ok = name.Write(file) && ok;
    ok = file.WriteInt(occupation) && ok;
    ok = file.WriteInt(level) && ok;
    ok = file.WriteSectionEnd(kSection) && ok;
    return ok;
}

bool StaffMember::Read(CKLFile& file) {
    if (!file.FindSection(kSection)) {
        return false;
    }
    name.Read(file);
    file.ReadInt(occupation);
    file.ReadByte(level);
    file.SkipSection(kSection);
    return true;
}

} // namespace tallo
