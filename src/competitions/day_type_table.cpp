#include "competitions/day_type_table.h"

#include <optional>

#include "competitions/competition_keywords.h"

namespace tallo {

namespace {

constexpr int8_t kUicCode = 25;

std::optional<int8_t> CodeOf(const CDBCompetition& node) {
    const int8_t dayType = node.CalendarDayType();
    switch (node.Kind()) {
    case CompetitionKind::kChampionsLeague:
        return dayType == 10 ? int8_t{22} : dayType;
    case CompetitionKind::kUefaCup:
        return dayType == 10 ? int8_t{23} : dayType;
    case CompetitionKind::kToyota:
        return int8_t{24};
    case CompetitionKind::kEuroSuperCup:
        return int8_t{21};
    case CompetitionKind::kWorldClubChamp:
        return std::nullopt;
    case CompetitionKind::kUic:
        return kUicCode;
    case CompetitionKind::kQualiWc:
    case CompetitionKind::kQualiEc:
    case CompetitionKind::kWorldCup:
    case CompetitionKind::kEuroCup:
        return int8_t{20};
    default:
        return dayType;
    }
}

} // namespace

void FillDayTypes(const CDBCompetition& node, DayTypeTable& table) {
    const std::optional<int8_t> code = CodeOf(node);
    for (int day = CDBCompetition::kFirstDay; day <= CDBCompetition::kLastDay; ++day) {
        if (node.MatchdayOn(day) == 0) {
            continue;
        }
        int8_t& entry = table[static_cast<size_t>(day)];
        if (entry == kUicCode) {
            entry = 0;
        }
        if (entry == 0 && code.has_value()) {
            entry = *code;
        }
    }
}

} // namespace tallo
