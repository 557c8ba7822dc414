#include "gamedb/rules_record.h"

#include "gamedb/master_buffer.h"
#include "gamedb/master_build_context.h"
#include "world/rules_and_misc.h"
#include "world/world.h"

namespace tallo {

void WriteRulesRecord(MasterBuffer& buffer, const MasterBuildContext& context) {
    const RulesAndMisc& rules = context.world.Rules();
    const bool console = context.Console();

    if (console) {
        buffer.String(rules.LongName(0, context.language));
        buffer.String(rules.LongName(1, context.language));
    } else {
        for (int language = 0; language < RulesAndMisc::kLanguages; ++language) {
            for (int competition = 0; competition < 3; ++competition) {
                buffer.String(rules.LongName(competition, language));
            }
        }
    }

    const int references = console ? 2 : 3;
    for (int i = 0; i < references; ++i) {
        buffer.U32(context.GameClubReference(rules.ClubReference(i)));
    }
    for (int i = 0; i < references; ++i) {
        buffer.U32(context.GameStadiumReference(rules.StadiumReference(i)));
    }
    for (int i = 0; i < RulesAndMisc::kFurtherClubReferences; ++i) {
        buffer.U32(context.GameClubReference(rules.FurtherClubReference(i)));
    }

    uint32_t points[RulesAndMisc::kPointsRules];
    for (int i = 0; i < RulesAndMisc::kPointsRules; ++i) {
        points[i] = static_cast<uint32_t>(rules.PointsRule(i));
    }
    buffer.U32Array(points, RulesAndMisc::kPointsRules);
    buffer.U32(static_cast<uint32_t>(rules.FriendlySubstitutions()));
}

} // namespace tallo
