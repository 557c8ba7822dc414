#include "competitions/competition_texts.h"

#include "formats/string_table.h"
#include "platform/code_page.h"

namespace tallo {

std::string CompetitionText(int id) {
    return FromUtf8(LoadString(id), ActiveCodePage());
}

std::string RoundKindName(int32_t roundKind) {
    // Kinds 0 to 10 have names; the group kinds show none.
    if (roundKind < 0 || roundKind > 10) {
        return std::string();
    }
    return CompetitionText(CompetitionTextId::kRoundNames + roundKind);
}

} // namespace tallo
