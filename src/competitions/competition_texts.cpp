#include "competitions/competition_texts.h"

#include "formats/record_text.h"

namespace tallo {

std::string CompetitionText(int id) {
    return RecordText(id);
}

std::string RoundKindName(int32_t roundKind) {
    // Kinds 0 to 10 have names; the group kinds show none.
    if (roundKind < 0 || roundKind > 10) {
        return std::string();
    }
    return CompetitionText(CompetitionTextId::kRoundNames + roundKind);
}

} // namespace tallo
