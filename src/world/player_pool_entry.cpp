#include "world/player_pool_entry.h"

#include "formats/kl_file.h"
#include "world/file_version.h"

namespace tallo {

bool PlayerPoolEntry::Write(CKLFile& file) const {
    bool ok = file.WriteSectionBegin(kSection);
    ok = name.Write(file) && ok;
    ok = file.WriteString(FurtherName()) && ok;
    ok = file.WriteByte(nationality) && ok;
    ok = file.WriteByte(specialSkill) && ok;
    ok = file.WriteInt(favouriteClub) && ok;
    ok = file.WriteByte(position) && ok;
    ok = file.WriteSectionEnd(kSection) && ok;
    return ok;
}

bool PlayerPoolEntry::Read(CKLFile& file) {
    if (!file.FindSection(kSection)) {
        return false;
    }
    name.Read(file);
    file.ReadString(furtherName, sizeof(furtherName));
    file.ReadByte(nationality);
    file.ReadByte(specialSkill);
    file.ReadInt(favouriteClub);
    if (FileVersion::AtLeastCurrentMajor()) {
        file.ReadByte(position);
    } else {
        position = 0;
    }
    file.SkipSection(kSection);
    return true;
}

} // namespace tallo
