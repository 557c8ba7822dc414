#pragma once

#include <cstdint>
#include <memory>

#include "competitions/competition_keywords.h"
#include "competitions/db_cup.h"

namespace tallo {

// The relegation play-off of the relegation of the third English division (kind REL2, cup scheme
// 12), between a league and the league below it.
class CDBRelEngland2 : public CDBCup {
public:
    static constexpr uint32_t kScheme = 12;

    // The ID's kind becomes REL2.
    explicit CDBRelEngland2(uint32_t id)
        : CDBCup(CompetitionId::WithKind(id, CompetitionKind::kRel2)) {}
    std::unique_ptr<CDBCompetition> Clone() const override {
        return std::unique_ptr<CDBCompetition>(new CDBRelEngland2(*this));
    }
    std::string_view SectionTypeName() const override { return "DB_REL2"; }

protected:
    CDBRelEngland2(const CDBRelEngland2&) = default;
};

} // namespace tallo
