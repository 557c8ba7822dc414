// The generated world: its size, its country list, and every value inside its range once the
// written folder is loaded back.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>

#include "app/load_preparation.h"
#include "sample_country_list.h"
#include "sample_test_support.h"
#include "support/temp_dir.h"
#include "world/club.h"
#include "world/country.h"
#include "world/country_club_context.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {
namespace {

using sample::SampleScale;
using test::TempDir;

bool HasEightBitByte(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

TEST(SampleCountryList, HasTheFixedSixContinentsAndUniqueNames) {
    const std::vector<sample::SampleCountry> countries = sample::MakeSampleCountryList();
    ASSERT_EQ(countries.size(), 206u);
    int perContinent[6] = {};
    std::set<std::string> names;
    std::set<std::string> codes;
    int accented = 0;
    for (size_t i = 0; i < countries.size(); ++i) {
        const sample::SampleCountry& country = countries[i];
        EXPECT_EQ(country.number, static_cast<int>(i) + 1);
        ASSERT_GE(country.continent, 0);
        ASSERT_LE(country.continent, 5);
        ++perContinent[country.continent];
        EXPECT_TRUE(names.insert(country.names[0]).second) << country.names[0];
        EXPECT_TRUE(codes.insert(country.abbreviation).second) << country.abbreviation;
        EXPECT_EQ(country.abbreviation.size(), 3u);
        EXPECT_EQ(country.names[0].find(','), std::string::npos);
        EXPECT_GE(country.firstLanguage, 1);
        EXPECT_LE(country.firstLanguage, CPlayer::kMaxLanguage);
        EXPECT_NE(country.secondLanguage, country.firstLanguage);
        accented += HasEightBitByte(country.names[0]) ? 1 : 0;
    }
    EXPECT_EQ(perContinent[0], 52);
    EXPECT_EQ(perContinent[1], 10);
    EXPECT_EQ(perContinent[2], 35);
    EXPECT_EQ(perContinent[3], 53);
    EXPECT_EQ(perContinent[4], 46);
    EXPECT_EQ(perContinent[5], 10);
    EXPECT_GT(accented, 0);
    // The list is the same every time.
    EXPECT_EQ(sample::CountryListText(countries),
              sample::CountryListText(sample::MakeSampleCountryList()));
}

TEST(SamplePlan, FullScaleIsTheBenchmarkWorld) {
    sample::SampleOptions options;
    options.scale = SampleScale::kFull;
    options.seed = 11;
    const sample::SamplePlan plan = sample::MakeSamplePlan(options);
    EXPECT_EQ(plan.CountriesWithClubs(), 206);
    EXPECT_GE(plan.TotalClubs(), 5800);
    EXPECT_LE(plan.TotalClubs(), 6300);
    int large = 0;
    for (int number = 1; number <= 206; ++number) {
        EXPECT_GE(plan.clubs[number], 10) << number; // enough for a complete country
        large += plan.clubs[number] >= 30 ? 1 : 0;
    }
    EXPECT_GE(large, 60);
    EXPECT_EQ(plan.clubs, sample::MakeSamplePlan(options).clubs);
    options.seed = 12;
    EXPECT_NE(plan.clubs, sample::MakeSamplePlan(options).clubs);

    options.scale = SampleScale::kSmall;
    const sample::SamplePlan small = sample::MakeSamplePlan(options);
    EXPECT_EQ(small.CountriesWithClubs(), 5);
    EXPECT_EQ(small.TotalClubs(), 73);
}

TEST(SampleScaleNames, ParseOnlyTheTwoScales) {
    SampleScale scale = SampleScale::kSmall;
    EXPECT_TRUE(sample::ParseScale("full", scale));
    EXPECT_EQ(scale, SampleScale::kFull);
    EXPECT_TRUE(sample::ParseScale("small", scale));
    EXPECT_EQ(scale, SampleScale::kSmall);
    EXPECT_FALSE(sample::ParseScale("Full", scale));
    EXPECT_FALSE(sample::ParseScale("", scale));
}

class LoadedSample : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new TempDir;
        test::WriteSample(dir_->Path(), SampleScale::kSmall, 21);
        world_ = new CWorld;
        ASSERT_TRUE(PrepareForLoad(*world_, dir_->Path()).countryListRead);
        ASSERT_TRUE(world_->LoadAll((*dir_) / "database"));
    }
    static void TearDownTestSuite() {
        delete world_;
        delete dir_;
        world_ = nullptr;
        dir_ = nullptr;
    }

    static TempDir* dir_;
    static CWorld* world_;
};

TempDir* LoadedSample::dir_ = nullptr;
CWorld* LoadedSample::world_ = nullptr;

void ExpectPersonInRange(const CWorld& world, const CPlayer& person) {
    SCOPED_TRACE("person " + std::to_string(person.Id()));
    EXPECT_FALSE(person.FirstName().empty());
    EXPECT_FALSE(person.Surname().empty());
    EXPECT_GE(person.Nationality(), 1);
    EXPECT_LE(person.Nationality(), 206);
    EXPECT_LE(person.SecondNationality(), 206);
    EXPECT_GE(person.MainPosition(), 1);
    EXPECT_LE(person.MainPosition(), 17);
    EXPECT_LE(person.SecondPosition(), 17);
    EXPECT_LE(person.ThirdPosition(), 17);
    EXPECT_LE(person.Talent(), 4);
    EXPECT_LE(person.StaffLevel(), 4);
    EXPECT_LE(person.PreferredFoot(), 2);
    for (int i = 0; i < CPlayer::kAbilityCount; ++i) {
        EXPECT_GE(person.Ability(i), 1);
        EXPECT_LE(person.Ability(i), 10);
    }
    for (int i = 0; i < CPlayer::kTraitCount; ++i) {
        EXPECT_LE(person.Trait(i), CPlayer::TraitMaximum(i));
    }
    for (int i = 0; i < CPlayer::kPositionRatingCount; ++i) {
        EXPECT_LE(person.PositionRating(i), 6);
    }
    for (int i = 0; i < CPlayer::kBonusCount; ++i) {
        EXPECT_LE(person.Bonus(i), 15);
    }
    EXPECT_LE(person.LeagueExperience(), 6);
    EXPECT_LE(person.InternationalExperience(), 4);
    EXPECT_LE(person.TacticalEducation(), 8);
    EXPECT_LE(person.ShoeType(), 5);
    EXPECT_EQ(person.GetHeight(), person.Height());
    EXPECT_EQ(person.GetWeight(), person.Weight());
    EXPECT_GE(person.YearJoined(), 1980);
    EXPECT_LE(person.YearJoined(), 2003);
    EXPECT_GE(person.ContractEnd(), 2003);
    EXPECT_LE(person.ContractEnd(), 2015);
    EXPECT_GE(person.BirthDate().Year(), 1930);
    EXPECT_LE(person.BirthDate().Year(), 1990);
    // Languages: no gap before a filled slot, none twice.
    bool gap = false;
    std::set<uint8_t> languages;
    for (int slot = 0; slot < CPlayer::kLanguageSlots; ++slot) {
        const uint8_t language = person.Language(slot);
        if (language == 0) {
            gap = true;
            continue;
        }
        EXPECT_FALSE(gap) << "slot " << slot;
        EXPECT_TRUE(languages.insert(language).second);
        EXPECT_LE(language, CPlayer::kMaxLanguage);
    }
    for (uint32_t reference :
         {person.FirstClub(), person.PreviousClub(), person.FavouriteClub(),
          person.ClubReferenceE(), person.LoanClub(), person.NeverJoinClub()}) {
        EXPECT_TRUE(reference == 0 || world.ClubExists(reference)) << std::hex << reference;
    }
    if (person.RelatedPlayer() != 0) {
        EXPECT_LT(person.RelatedPlayer(), CPlayer::kMaxRelatedPlayer);
        EXPECT_NE(world.FindPlayer(person.RelatedPlayer()), nullptr);
    }
}

TEST_F(LoadedSample, EveryPersonIsInsideItsRanges) {
    size_t eightBit = 0;
    for (const auto& [id, person] : world_->Players()) {
        ExpectPersonInRange(*world_, *person);
        eightBit += HasEightBitByte(person->Surname()) || HasEightBitByte(person->FirstName());
    }
    EXPECT_GT(world_->PlayerCount(), 300u);
    // Some names carry accented 8-bit letters.
    EXPECT_GT(eightBit, 10u);
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const CCountry& country = *world_->GetCountry(number);
        for (uint32_t id : country.AdditionalManagers()) {
            const CPlayer* manager = world_->FindPlayer(id);
            ASSERT_NE(manager, nullptr);
            EXPECT_EQ(manager->Role(), CPlayer::kRoleManager);
            EXPECT_EQ(manager->Nationality(), number);
        }
    }
    EXPECT_FALSE(world_->PlayersWithoutClub().empty());
}

TEST_F(LoadedSample, EveryClubHasAValidCompleteSquad) {
    size_t clubs = 0;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        CCountry& country = *world_->GetCountry(number);
        CountryClubContext context(country);
        for (const auto& [id, club] : country.Clubs()) {
            if (club->IsNationalTeam()) {
                EXPECT_EQ(club->MainStadium(), country.nationalStadium);
                continue;
            }
            ++clubs;
            SCOPED_TRACE(std::string(club->Name(0)));
            EXPECT_EQ(club->CheckSquad(context), 0u);
            EXPECT_EQ(club->CheckCompleteness(context), 0u);
            EXPECT_TRUE(country.stadiums.Contains(club->MainStadium()));
            EXPECT_TRUE(club->AlternativeStadium() == 0 ||
                        country.stadiums.Contains(club->AlternativeStadium()));
            EXPECT_LE(club->Prestige(), CClub::kMaxPrestige);
            EXPECT_LE(club->ShortName(0).size(), CClub::kShortNameMax);
            EXPECT_EQ(club->YouthCountry(), number);
            for (int facility = 0; facility < CClub::kFacilityCount; ++facility) {
                EXPECT_LE(club->FacilityLevel(static_cast<CClub::Facility>(facility)),
                          CClub::kMaxFacilityLevel);
            }
            for (uint32_t reference : {club->FriendlyClub(), club->Rival(0), club->Rival(1)}) {
                if (reference != 0) {
                    EXPECT_NE(country.FindClub(reference), nullptr) << std::hex << reference;
                    EXPECT_NE(reference & 0xFFFFu, club->ClubNumber());
                }
            }
            for (int kit = 0; kit < ClubKit::kKitCount; ++kit) {
                for (int style = 0; style < ClubKit::kStyleCount; ++style) {
                    EXPECT_LE(club->Kit().styles[kit][style], ClubKit::kMaxStyle[style]);
                }
            }
            EXPECT_EQ(CClub::ClampLatitude(club->Latitude()), club->Latitude());
            EXPECT_EQ(CClub::ClampLongitude(club->Longitude()), club->Longitude());
        }
    }
    EXPECT_EQ(clubs, 73u);
}

TEST_F(LoadedSample, CountryRecordsAreInsideTheirRanges) {
    size_t countriesWithClubs = 0;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const CCountry& country = *world_->GetCountry(number);
        if (country.GetOrdinaryClubCount() == 0) {
            EXPECT_EQ(country.referees.Count(), 0u) << number;
            continue;
        }
        ++countriesWithClubs;
        SCOPED_TRACE("country " + std::to_string(number));
        EXPECT_GT(country.referees.Count(), 0u);
        for (const auto& [id, referee] : country.referees) {
            EXPECT_LT(referee.trait, Referee::kTraitCount);
            EXPECT_FALSE(referee.name.Surname().empty());
        }
        EXPECT_GT(country.sponsors.Count(), 0u);
        for (const auto& [id, sponsor] : country.sponsors) {
            EXPECT_GE(sponsor.value, 1);
            EXPECT_LE(sponsor.Name().size(), Sponsor::kNameMax);
        }
        EXPECT_GT(country.staff.Count(), 0u);
        for (const auto& [id, member] : country.staff) {
            EXPECT_LT(member.occupation, StaffMember::kOccupationCount);
            EXPECT_LT(member.level, StaffMember::kLevelCount);
        }
        for (const auto& [id, stadium] : country.stadiums) {
            EXPECT_TRUE(stadium.StandMasksConsistent());
            EXPECT_LE(stadium.CapacityClass(), Stadium::kMaxCapacityClass);
            EXPECT_GT(stadium.TotalCapacity(), 1000);
            for (int stand = 0; stand < Stadium::kStandCount; ++stand) {
                const int32_t limit = stadium.StandLimit(stand);
                EXPECT_TRUE(limit < 0 || stadium.StandCapacity(stand) <= limit);
            }
        }
        EXPECT_TRUE(country.stadiums.Contains(country.nationalStadium));
        EXPECT_GT(country.PlayerPoolInUse(), 0u);
        for (const PlayerPoolEntry& entry : country.PlayerPool()) {
            if (!entry.InUse()) {
                continue;
            }
            EXPECT_EQ(entry.nationality, number);
            EXPECT_LT(entry.specialSkill, PlayerPoolEntry::kSpecialSkillCount);
            EXPECT_GE(entry.position, PlayerPoolEntry::kGoalkeeper);
            EXPECT_LE(entry.position, PlayerPoolEntry::kForward);
            EXPECT_TRUE(entry.favouriteClub == 0 ||
                        country.FindClub(static_cast<uint32_t>(entry.favouriteClub)) != nullptr);
        }
        const NationalCoach& coach = country.nationalCoach;
        EXPECT_EQ(coach.nationality, number);
        EXPECT_GE(coach.birthDate.Year(), NationalCoach::kFirstBirthYear);
        EXPECT_LE(coach.birthDate.Year(), NationalCoach::kLastBirthYear);
        for (uint8_t skill : coach.skills) {
            EXPECT_LE(skill, NationalCoach::kMaxSkill);
        }
        EXPECT_LE(country.nationalCoach.nationalExperience, NationalCoach::kMaxNationalExperience);
        int shares = 0;
        for (int i = 0; i < CountrySettings::kLanguages; ++i) {
            shares += country.languageShares[i];
        }
        EXPECT_EQ(shares, 100);
        EXPECT_LT(country.leagueCardRule & 0x7F, CCountry::kYellowCardSchedules);
        EXPECT_LE(country.climate, 4);
        EXPECT_LE(country.transferAbroadProbability, 100);
        EXPECT_GE(country.generatedPlayerRating, 1);
        EXPECT_LE(country.generatedPlayerRating, CCountry::kMaxGeneratedPlayerRating);
        EXPECT_TRUE(country.winterBreak != 0 || country.indoorTournaments == 0);
        EXPECT_NE(country.notes.find("\r\n"), std::string::npos); // two lines survive
    }
    EXPECT_EQ(countriesWithClubs, 5u);
}

} // namespace
} // namespace tallo
