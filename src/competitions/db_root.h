#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "competitions/db_competition.h"

namespace tallo {

// The root of a country's competition tree (kind ROOT, number 0), or of an international
// competition file. It owns the other nodes in name (they carry its ID as their owner), keeps
// the IDs of the country's national cups and is never saved.
class CDBRoot : public CDBCompetition {
public:
    // The cups whose IDs the root keeps, in this order.
    static constexpr std::array<uint32_t, 5> kCupKinds = {7, 3, 4, 5, 6};

    explicit CDBRoot(uint32_t id);
    std::unique_ptr<CDBCompetition> Clone() const override;

    uint32_t CountryIndex() const { return Country(); }
    // The ID of the country's cup of a kind (SUPERCUP, FA_CUP, LE_CUP, CHALLENGE_SHIELD or
    // CONFERENCE_CUP) as last refreshed; 0 when it does not exist or for other kinds.
    uint32_t CupId(uint32_t kind) const;
    // Takes for each of those kinds the ID of the country's node with number 0 when it is
    // registered, else 0.
    void RefreshCupIds();

    std::array<int32_t, 6> blockA{};
    std::array<int32_t, 6> blockB{};

    int32_t RequiredMatchdays() const override { return 0; }
    std::string_view SectionTypeName() const override { return {}; }
    // A root has no values of its own in a file.
    bool Load(CKLFile&) override { return true; }

protected:
    CDBRoot(const CDBRoot&) = default;
    bool Save(CKLFile&, uint32_t) const override { return true; }

private:
    std::array<uint32_t, 5> cupIds_{};
};

} // namespace tallo
