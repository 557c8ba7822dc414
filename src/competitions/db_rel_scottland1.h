#pragma once

#include <cstdint>
#include <memory>

#include "competitions/db_league.h"

namespace tallo {

// The relegation league between two league levels of the Scottish rule (kind SCOTT1). It is
// saved as a league and read back as this class; it plays 5 matchdays.
class CDBRelScottland1 : public CDBLeague {
public:
    static constexpr int32_t kMatchdays = 5;

    // The ID's kind becomes SCOTT1.
    explicit CDBRelScottland1(uint32_t id);
    std::unique_ptr<CDBCompetition> Clone() const override;
    int32_t RequiredMatchdays() const override { return kMatchdays; }

protected:
    CDBRelScottland1(const CDBRelScottland1&) = default;
};

} // namespace tallo
