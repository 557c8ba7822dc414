#pragma once

#include <cstdint>
#include <memory>

#include "competitions/competition_keywords.h"
#include "competitions/db_cup.h"

namespace tallo {

// The relegation play-off of England relegation rules (kind REL1, cup scheme 11), between a
// league and the league below it.
class CDBRelEngland1 : public CDBCup {
public:
    static constexpr uint32_t kScheme = 11;

    // The ID's kind becomes REL1.
    explicit CDBRelEngland1(uint32_t id)
        : CDBCup(CompetitionId::WithKind(id, CompetitionKind::kRel1)) {}
    std::unique_ptr<CDBCompetition> Clone() const override {
        return std::unique_ptr<CDBCompetition>(new CDBRelEngland1(*this));
    }
    std::string_view SectionTypeName() const override { return "DB_REL1"; }

protected:
    CDBRelEngland1(const CDBRelEngland1&) = default;
};

} // namespace tallo
