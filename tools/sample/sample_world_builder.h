#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sample_names.h"
#include "sample_random.h"
#include "sample_world.h"
#include "world/game_date.h"

namespace tallo {
class CClub;
class CCountry;
class CPlayer;
class CWorld;
struct NationalCoach;
class StadiumList;
} // namespace tallo

namespace tallo::sample {

// Builds the sample database into a world. One object per sample; see PopulateSampleWorld.
class SampleWorldBuilder {
public:
    SampleWorldBuilder(CWorld& world, const std::vector<SampleCountry>& countries,
                       const StadiumList& models, const SampleOptions& options);

    SampleSummary Build();

private:
    // What the builder keeps of a country while it works on it.
    struct CountryWork {
        CCountry* country = nullptr;
        const SampleCountry* entry = nullptr;
        NameStyle style = NameStyle::kWorld;
        int clubCount = 0;
        int level = 0;                 // 0 strongest football nation ... 3 weakest
        std::vector<uint32_t> clubIds; // ordinary clubs, ascending
        std::vector<uint32_t> stadiumKeys;
        std::vector<std::string> places;
    };

    // Countries (sample_country_builder.cpp).
    void BuildCountrySettings(CountryWork& work);
    void BuildNationalCoach(CountryWork& work, NationalCoach& coach);
    void BuildCountryRecords(CountryWork& work);
    void BuildPlayerPool(CountryWork& work);
    uint32_t BuildStadium(CountryWork& work, const std::string& place, int size);

    // Clubs (sample_club_builder.cpp).
    void BuildClubs(CountryWork& work);
    void BuildClubDetails(CountryWork& work, CClub& club, const std::string& place, int rank);
    void BuildNationalTeam(CountryWork& work);

    // Competitions (sample_competition_builder.cpp): the league system, its play-offs and the
    // cups, with their calendars.
    void BuildCompetitions(CountryWork& work);

    // Persons (sample_person_builder.cpp), created in the order a load reads them.
    void BuildClubPersons(CountryWork& work, CClub& club, int rank);
    void BuildAdditionalManagers(CountryWork& work);
    void BuildPlayersWithoutClub();
    CPlayer* NewPerson(uint8_t role, uint8_t nationality, NameStyle style);
    void BuildPlayer(CPlayer& player, int quality, uint8_t position, bool reserve);
    void BuildOfficial(CPlayer& player, uint8_t role);
    void BuildCareer(CPlayer& player, uint8_t country);
    void SetLanguages(CPlayer& player);
    void SetBirthDate(CPlayer& player, int firstYear, int lastYear);

    // Shared helpers.
    GameDate RandomDate(int firstYear, int lastYear);
    uint32_t RandomClubOf(const CountryWork& work);
    uint32_t RandomClubAnywhere();
    uint8_t RandomCountry() { return static_cast<uint8_t>(random_.Range(1, 206)); }
    // A language different from the ones given (0 when `count` languages fill the list).
    uint8_t OtherLanguage(const uint8_t* taken, int count);

    CWorld& world_;
    const std::vector<SampleCountry>& countries_;
    const StadiumList& models_;
    SampleOptions options_;
    SamplePlan plan_;
    SampleRandom random_;
    // The competitions draw from a stream of their own, so that the persons of a seed do not
    // change with them.
    SampleRandom leagueRandom_;
    // The badge names draw from a stream of their own too.
    SampleRandom badgeRandom_;
    SampleNames names_;
    std::vector<CountryWork> work_;
    std::vector<uint32_t> allClubs_;
    SampleSummary summary_;
};

} // namespace tallo::sample
