#include "world/sponsor.h"

#include "formats/kl_file.h"

namespace tallo {

bool Sponsor::Write(CKLFile& file) const {
    bool ok = file.WriteSectionBegin(kSection);
    ok = file.WriteString(Name()) && ok;
    ok = file.WriteInt(value) && ok;
    ok = file.WriteString(Text2()) && ok;
    ok = file.WriteString(Text3()) && ok;
    ok = file.WriteSectionEnd(kSection) && ok;
    return ok;
}

bool Sponsor::Read(CKLFile& file) {
    if (!file.FindSection(kSection)) {
        return false;
    }
    file.ReadString(name, kNameMax + 1);
    file.ReadInt(value);
    file.ReadString(text2, kText2Max + 1);
    file.ReadString(text3, kText3Max + 1);
    file.SkipSection(kSection);
    return true;
}

} // namespace tallo
