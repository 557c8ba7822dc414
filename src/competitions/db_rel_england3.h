#pragma once

#include <cstdint>
#include <memory>

#include "competitions/competition_keywords.h"
#include "competitions/db_cup.h"

namespace tallo {

// The relegation play-off of the relegation of the Conference (kind REL3, cup scheme 20), between a
// league and the league below it.
class CDBRelEngland3 : public CDBCup {
public:
    static constexpr uint32_t kScheme = 20;

    // The ID's kind becomes REL3.
    explicit CDBRelEngland3(uint32_t id)
        : CDBCup(CompetitionId::WithKind(id, CompetitionKind::kRel3)) {}
    std::unique_ptr<CDBCompetition> Clone() const override {
        return std::unique_ptr<CDBCompetition>(new CDBRelEngland3(*this));
    }
    std::string_view SectionTypeName() const override { return "DB_REL3"; }

protected:
    CDBRelEngland3(const CDBRelEngland3&) = default;
};

} // namespace tallo
