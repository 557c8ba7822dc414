#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "sample_country_list.h"

namespace tallo {
class CWorld;
class StadiumList;
} // namespace tallo

namespace tallo::sample {

// small: a handful of countries with clubs (three of them complete) and some 1,500 persons,
// for tests and a first look; full: the benchmark world, every country with clubs, about 6,000
// clubs and 150,000 persons, most countries complete.
enum class SampleScale { kSmall, kFull };

// "small" or "full".
bool ParseScale(std::string_view text, SampleScale& scale);
const char* ScaleName(SampleScale scale);

struct SampleOptions {
    SampleScale scale = SampleScale::kSmall;
    uint64_t seed = 1;
};

// How many clubs each country gets and how strong its football is (index = country number
// 1-206; index 0 unused).
struct SamplePlan {
    std::array<int, 207> clubs{};
    std::array<int, 207> levels{}; // 0 strongest ... 3 weakest

    int TotalClubs() const;
    int CountriesWithClubs() const;
};

SamplePlan MakeSamplePlan(const SampleOptions& options);

// What a sample holds.
struct SampleSummary {
    size_t countriesWithClubs = 0;
    size_t clubs = 0;         // national teams not counted
    size_t persons = 0;       // every person record of the world
    size_t clubPlayers = 0;   // role 0, listed by a club
    size_t clubOfficials = 0; // roles 1-3, listed by a club
    size_t clubStaff = 0;     // roles 4 and above, listed by a club
    size_t additionalManagers = 0;
    size_t withoutClub = 0;
    size_t referees = 0;
    size_t sponsors = 0;
    size_t staffMembers = 0; // the countries' staff records
    size_t stadiums = 0;
    size_t poolEntries = 0;
};

// Fills a world just made from the sample country list (CWorld::LoadCountryList) with the
// sample database: clubs with players, officials and staff, referees, sponsors, staff records,
// stadiums (models from `models`), national coaches, player pools, additional managers,
// players without a club and the competitions (league pyramids with their play-offs, cups and
// calendars; only when competition trees are installed), every value inside its range. Everything
// goes through the model classes, so saving the world writes exactly what the editor writes.
//
// Persons are created in the order a load reads them back (country by country: each club's
// list, then the additional managers; the players without a club last), so that a load of
// the saved world gives every person the ID it has here.
SampleSummary PopulateSampleWorld(CWorld& world, const std::vector<SampleCountry>& countries,
                                  const StadiumList& models, const SampleOptions& options);

// The counts of a loaded or generated world, in the same terms.
SampleSummary SummariseWorld(const CWorld& world);

} // namespace tallo::sample
