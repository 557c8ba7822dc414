#include "sample_world.h"

#include <algorithm>
#include <numeric>

#include "sample_world_builder.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/stadium_list.h"
#include "world/world.h"

namespace tallo::sample {

namespace {

constexpr int kCountryCount = 206;

// The small sample: five countries on four continents. Three are complete (a pyramid of three
// levels, two levels, one league); one has a league too small and too few clubs, one three
// clubs and no league (see SmallLeagueSystem).
struct SmallCountry {
    int number;
    int clubs;
    int level;
};
constexpr SmallCountry kSmallCountries[] = {
    {1, 30, 0}, {2, 20, 1}, {60, 6, 2}, {120, 3, 3}, {160, 14, 1}};

// The full sample: every country has clubs; the countries fall into four tiers, so that some
// hold about sixty clubs and others ten.
struct Tier {
    int countries;
    int fewestClubs;
    int mostClubs;
};
constexpr Tier kFullTiers[] = {{40, 56, 64}, {60, 32, 40}, {70, 14, 18}, {36, 10, 11}};

} // namespace

bool ParseScale(std::string_view text, SampleScale& scale) {
    if (text == "small") {
        scale = SampleScale::kSmall;
        return true;
    }
    if (text == "full") {
        scale = SampleScale::kFull;
        return true;
    }
    return false;
}

const char* ScaleName(SampleScale scale) {
    return scale == SampleScale::kFull ? "full" : "small";
}

int SamplePlan::TotalClubs() const {
    return std::accumulate(clubs.begin(), clubs.end(), 0);
}

int SamplePlan::CountriesWithClubs() const {
    return static_cast<int>(
        std::count_if(clubs.begin(), clubs.end(), [](int count) { return count > 0; }));
}

SamplePlan MakeSamplePlan(const SampleOptions& options) {
    SamplePlan plan;
    if (options.scale == SampleScale::kSmall) {
        for (const SmallCountry& country : kSmallCountries) {
            plan.clubs[country.number] = country.clubs;
            plan.levels[country.number] = country.level;
        }
        return plan;
    }
    // Which country lands in which tier depends on the seed.
    SampleRandom random(options.seed ^ 0x5EED7133u);
    std::vector<int> order(kCountryCount);
    std::iota(order.begin(), order.end(), 1);
    for (size_t i = order.size() - 1; i > 0; --i) {
        std::swap(order[i], order[static_cast<size_t>(random.Below(static_cast<int>(i) + 1))]);
    }
    size_t next = 0;
    int level = 0;
    for (const Tier& tier : kFullTiers) {
        for (int i = 0; i < tier.countries && next < order.size(); ++i, ++next) {
            plan.clubs[order[next]] = random.Range(tier.fewestClubs, tier.mostClubs);
            plan.levels[order[next]] = level;
        }
        ++level;
    }
    return plan;
}

SampleSummary PopulateSampleWorld(CWorld& world, const std::vector<SampleCountry>& countries,
                                  const StadiumList& models, const SampleOptions& options) {
    SampleWorldBuilder builder(world, countries, models, options);
    return builder.Build();
}

SampleSummary SummariseWorld(const CWorld& world) {
    SampleSummary summary;
    summary.persons = world.PlayerCount();
    summary.withoutClub = world.PlayersWithoutClub().size();
    for (int number = 1; number <= kCountryCount; ++number) {
        const CCountry* country = world.GetCountry(number);
        const size_t clubs = country->GetOrdinaryClubCount();
        summary.clubs += clubs;
        summary.countriesWithClubs += clubs > 0 ? 1 : 0;
        summary.additionalManagers += country->AdditionalManagers().size();
        summary.referees += country->referees.Count();
        summary.sponsors += country->sponsors.Count();
        summary.staffMembers += country->staff.Count();
        summary.stadiums += country->stadiums.Count();
        summary.poolEntries += country->PlayerPoolInUse();
        for (const auto& [id, club] : country->Clubs()) {
            for (uint32_t i = 0; i < club->PlayerCount(); ++i) {
                const CPlayer* person = world.FindPlayer(club->PlayerId(i));
                if (person == nullptr) {
                    continue;
                }
                if (person->Role() == CPlayer::kRolePlayer) {
                    ++summary.clubPlayers;
                } else if (person->Role() < CPlayer::kRoleFirstStaff) {
                    ++summary.clubOfficials;
                } else {
                    ++summary.clubStaff;
                }
            }
        }
    }
    return summary;
}

// The builder ----------------------------------------------------------------------------------

SampleWorldBuilder::SampleWorldBuilder(CWorld& world, const std::vector<SampleCountry>& countries,
                                       const StadiumList& models, const SampleOptions& options)
    : world_(world), countries_(countries), models_(models), options_(options),
      plan_(MakeSamplePlan(options)), random_(options.seed),
      leagueRandom_(options.seed ^ 0x1EA6E5u), badgeRandom_(options.seed ^ 0xBAD6E00u) {}

SampleSummary SampleWorldBuilder::Build() {
    // Countries, their records and clubs first: persons refer to clubs anywhere in the world.
    work_.resize(kCountryCount + 1);
    for (int number = 1; number <= kCountryCount; ++number) {
        CountryWork& work = work_[number];
        work.country = world_.GetCountry(number);
        work.entry =
            static_cast<size_t>(number) <= countries_.size() ? &countries_[number - 1] : nullptr;
        work.style = work.entry != nullptr ? work.entry->style : NameStyle::kWorld;
        work.clubCount = plan_.clubs[number];
        work.level = plan_.levels[number];
        if (work.clubCount == 0) {
            continue; // a country of the list only: the state the country list gives it
        }
        BuildCountrySettings(work);
        BuildClubs(work);
        BuildCountryRecords(work);
        BuildNationalTeam(work);
        BuildCompetitions(work);
        allClubs_.insert(allClubs_.end(), work.clubIds.begin(), work.clubIds.end());
    }
    for (int number = 1; number <= kCountryCount; ++number) {
        CountryWork& work = work_[number];
        if (work.clubCount == 0) {
            continue;
        }
        for (size_t rank = 0; rank < work.clubIds.size(); ++rank) {
            BuildClubPersons(work, *work.country->FindClub(work.clubIds[rank]),
                             static_cast<int>(rank));
        }
        BuildAdditionalManagers(work);
        BuildPlayerPool(work);
    }
    BuildPlayersWithoutClub();
    return SummariseWorld(world_);
}

GameDate SampleWorldBuilder::RandomDate(int firstYear, int lastYear) {
    const int year = random_.Range(firstYear, lastYear);
    const int month = random_.Range(1, 12);
    const int day = random_.Range(1, DaysInMonth(year, month));
    return GameDate::FromDate(year, month, day);
}

uint32_t SampleWorldBuilder::RandomClubOf(const CountryWork& work) {
    if (work.clubIds.empty()) {
        return 0;
    }
    return work.clubIds[static_cast<size_t>(random_.Below(static_cast<int>(work.clubIds.size())))];
}

uint32_t SampleWorldBuilder::RandomClubAnywhere() {
    if (allClubs_.empty()) {
        return 0;
    }
    return allClubs_[static_cast<size_t>(random_.Below(static_cast<int>(allClubs_.size())))];
}

uint8_t SampleWorldBuilder::OtherLanguage(const uint8_t* taken, int count) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const uint8_t language = static_cast<uint8_t>(random_.Range(1, CPlayer::kMaxLanguage));
        if (std::find(taken, taken + count, language) == taken + count) {
            return language;
        }
    }
    return 0;
}

} // namespace tallo::sample
