#include "world/referee.h"

#include "formats/kl_file.h"

namespace tallo {

bool Referee::Write(CKLFile& file) const {
    bool ok = file.WriteSectionBegin(kSection);
    ok = name.Write(file) && ok;
    ok = file.WriteChar(static_cast<int8_t>(trait)) && ok;
    ok = file.WriteSectionEnd(kSection) && ok;
    return ok;
}

bool Referee::Read(CKLFile& file) {
    if (!file.FindSection(kSection)) {
        return false;
    }
    name.Read(file);
    file.ReadByte(trait);
    file.SkipSection(kSection);
    return true;
}

} // namespace tallo
