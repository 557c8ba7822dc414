#pragma once

#include <array>
#include <cstdint>

#include "editing/main_window/statistics.h"

namespace tallo {

class CCountry;
class CWorld;
class DatabaseSession;

// The database half of the statistics (UpdateStatistics) over countries 1 to 206, counted
// from scratch.
DatabaseStatistics CountDatabaseStatistics(const CWorld& world);
// One country's share of it.
DatabaseStatistics CountCountryShare(const CCountry& country);

// The database statistics of an open database, kept between refreshes: only the countries
// that changed since the last count (by the session's change counts) are counted again, and a
// database exchanged whole is counted afresh.
class DatabaseStatisticsCache {
public:
    const DatabaseStatistics& Get(const DatabaseSession& session);

private:
    static constexpr size_t kSlots = 207;

    uint64_t sessionId_ = 0;
    const CWorld* world_ = nullptr;
    bool counted_ = false;
    std::array<uint64_t, kSlots> changeCounts_{};
    std::array<DatabaseStatistics, kSlots> shares_{};
    DatabaseStatistics total_;
};

} // namespace tallo
