#include "sample_stadium_models.h"

#include <cstdint>

#include "formats/kl_file.h"
#include "platform/code_page.h"

namespace tallo::sample {

namespace {

struct Model {
    const char* name; // UTF-8 here, written in the 8-bit code page
    uint8_t number;
    bool flag;
};

// The first two entries are the ones the stadium editor gives a capacity class (1 and 6).
constexpr Model kModels[] = {
    {"Arena (Oval)", 1, false}, {"Kessel (Rectangle)", 2, true}, {"Tribünenstadion", 3, false},
    {"Bowl", 4, false},         {"Estadio Olímpico", 5, true},   {"Small Ground", 6, false},
};

} // namespace

bool WriteSampleStadiumList(const std::string& path) {
    CKLFile file;
    if (!file.OpenForWrite(path)) {
        return false;
    }
    bool ok = file.WriteInt(static_cast<int32_t>(std::size(kModels)));
    for (const Model& model : kModels) {
        ok = file.WriteString(FromUtf8(model.name, CodePage::Windows1252)) && ok;
        ok = file.WriteByte(model.number) && ok;
        ok = file.WriteBool(model.flag ? 1 : 0) && ok;
    }
    if (!ok) {
        file.AbandonWrite();
        return false;
    }
    return file.Close();
}

} // namespace tallo::sample
