#include "editing/admin/club_history_tools.h"

#include "world/club.h"
#include "world/country.h"
#include "world/result_record.h"

namespace tallo {

namespace {

bool IsEmpty(const ResultRecord& record) {
    const ResultRecord empty;
    return record.goalsA == empty.goalsA && record.goalsB == empty.goalsB &&
           record.attendance == empty.attendance && record.opponent == empty.opponent &&
           record.season == empty.season;
}

} // namespace

int ClearCountryMatchRecords(CCountry& country) {
    int cleared = 0;
    for (const auto& [id, club] : country.Clubs()) {
        bool any = false;
        for (int kind = 0; kind < ResultRecord::kKindCount; ++kind) {
            const auto which = static_cast<ResultRecord::Kind>(kind);
            if (!IsEmpty(club->Record(which))) {
                club->SetRecord(which, ResultRecord());
                any = true;
            }
        }
        cleared += any ? 1 : 0;
    }
    return cleared;
}

int ClearCountryLeagueStatistics(CCountry& country) {
    int cleared = 0;
    for (const auto& [id, club] : country.Clubs()) {
        bool any = false;
        for (int statistic = 0; statistic < CClub::kStatisticCount; ++statistic) {
            const auto which = static_cast<CClub::Statistic>(statistic);
            if (club->LeagueStatistic(which) != 0) {
                club->SetLeagueStatistic(which, 0);
                any = true;
            }
        }
        cleared += any ? 1 : 0;
    }
    return cleared;
}

} // namespace tallo
