#pragma once

#include <cstdint>
#include <memory>

#include "competitions/db_cup.h"

namespace tallo {

// The play-off between two adjacent leagues of the Swiss rule (kind SWITZERLAND, cup scheme
// 19). It also saves its level, as one line after the scheme.
class CDBRelSwitzerland : public CDBCup {
public:
    static constexpr uint32_t kScheme = 19;

    // The ID's kind becomes SWITZERLAND.
    explicit CDBRelSwitzerland(uint32_t id);
    std::unique_ptr<CDBCompetition> Clone() const override;
    std::string_view SectionTypeName() const override { return "DB_SWITZERLAND"; }

protected:
    CDBRelSwitzerland(const CDBRelSwitzerland&) = default;
    bool SaveExtra(CKLFile& file) const override;
    bool LoadExtra(CKLFile& file) override;
};

} // namespace tallo
