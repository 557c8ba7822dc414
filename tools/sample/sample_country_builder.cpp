// The sample's country settings and the small records a country owns: referees, sponsors,
// staff, stadiums, the national coach and the player pool.

#include <algorithm>

#include "sample_world_builder.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/stadium_list.h"
#include "world/world.h"

namespace tallo::sample {

namespace {

// Share of a stadium's places in each stand, in percent (main and opposite stand, the two
// ends, the four corners).
constexpr int kStandShare[Stadium::kStandCount] = {25, 25, 15, 15, 5, 5, 5, 5};

std::string NotesOf(const SampleCountry* entry, uint64_t seed) {
    std::string notes = "Synthetic sample country";
    if (entry != nullptr) {
        notes += " " + entry->names[0];
    }
    // Two lines: the file keeps them on one line with a tab between them.
    notes += ".\r\nWritten by tallo-db sample, seed " + std::to_string(seed) + ".";
    return notes;
}

} // namespace

void SampleWorldBuilder::BuildCountrySettings(CountryWork& work) {
    CCountry& country = *work.country;
    const std::string name(country.Name(0));
    const std::string code(country.Abbreviation(0));

    // Languages: the first two come from the country list; the editor keeps no duplicates.
    if (country.languages[1] != 0 && random_.Chance(30)) {
        country.languages[2] = OtherLanguage(country.languages, 2);
    }
    int spoken = 0;
    while (spoken < CountrySettings::kLanguages && country.languages[spoken] != 0) {
        ++spoken;
    }
    int left = 100;
    for (int i = 0; i < spoken; ++i) {
        const int share = i + 1 == spoken ? left : random_.Range(left / 2, left - (spoken - i - 1));
        country.languageShares[i] = static_cast<uint8_t>(share);
        left -= share;
    }

    country.firstReserveLevel = static_cast<uint8_t>(random_.Range(1, 6));
    country.settingB = static_cast<uint8_t>(random_.Below(2));
    country.SetAssociationName(Fit(code + (random_.Chance(50) ? "FA" : "FV"), 8));
    SetFixedText(country.presidentFirstName, names_.FirstName(random_, work.style));
    SetFixedText(country.presidentSurname, names_.Surname(random_, work.style));
    country.presidentBirthDate = RandomDate(1930, 1960);
    SetFixedText(country.newspaperReporterFirstName, names_.FirstName(random_, work.style));
    SetFixedText(country.newspaperReporterSurname, names_.Surname(random_, work.style));
    SetFixedText(country.stadiumReporterFirstName, names_.FirstName(random_, work.style));
    SetFixedText(country.stadiumReporterSurname, names_.Surname(random_, work.style));
    SetFixedText(country.studioReporterFirstName, names_.FirstName(random_, work.style));
    SetFixedText(country.studioReporterSurname, names_.Surname(random_, work.style));

    country.winterBreak = static_cast<uint8_t>(random_.Below(2));
    country.indoorTournaments =
        country.winterBreak != 0 ? static_cast<uint8_t>(random_.Below(2)) : 0;
    country.settingD = static_cast<uint8_t>(random_.Below(3));
    country.climate = static_cast<uint8_t>(random_.Below(5));
    for (int level = 0; level < CountrySettings::kLeagueLevels; ++level) {
        country.tieBreakRules[level] = static_cast<uint8_t>(random_.Below(2));
        country.foreignPlayerRules[level] = static_cast<uint8_t>(random_.Below(5));
    }
    auto cardRule = [this] {
        return static_cast<uint8_t>(random_.Below(CCountry::kYellowCardSchedules) |
                                    (random_.Chance(30) ? 0x80 : 0));
    };
    country.leagueCardRule = cardRule();
    country.cupCardRule = cardRule();
    country.redCardBanRule = random_.Chance(50) ? 0x10 : 0;
    country.banStart = static_cast<uint8_t>(random_.Below(2));
    country.banScopeFlags = static_cast<uint8_t>(random_.Below(8));
    country.cupEntryLevels = static_cast<uint8_t>(random_.Range(1, 31));
    country.cupFlags = static_cast<uint8_t>(random_.Below(4));
    country.transferAbroadProbability = static_cast<uint8_t>(random_.Range(0, 100));
    for (uint16_t& value : country.valuesM) {
        value = static_cast<uint16_t>(random_.Range(0, 1000));
    }
    country.teamMovement = static_cast<uint8_t>(random_.Below(4));
    country.transferPeriod1 = static_cast<uint32_t>(random_.Below(3));
    country.transferPeriod2 = static_cast<uint32_t>(random_.Below(3));
    BuildNationalCoach(work, country.nationalCoach);

    country.generateNames = random_.Chance(50);
    country.generatedPlayerRating =
        static_cast<int8_t>(random_.Range(1, CCountry::kMaxGeneratedPlayerRating));
    country.allowedSkinColours = static_cast<uint32_t>(random_.Range(1, 0x1F));
    country.allowedHairColours = static_cast<uint32_t>(random_.Range(1, 0x1F));
    country.allowedHairStyles = static_cast<uint32_t>(random_.Range(1, 0x3FF));
    country.allowedFacialHair = static_cast<uint32_t>(random_.Range(1, 0x7F));
    country.allowedFaceTypes = static_cast<uint32_t>(random_.Range(1, (1 << 26) - 1));
    country.averageHeight = static_cast<uint8_t>(random_.Range(172, 184));
    country.averageWeight = static_cast<uint8_t>(random_.Range(70, 80));
    country.magazine = names_.Magazine(random_, name);
    country.continentalTitles = static_cast<uint16_t>(random_.Range(0, 20 - 4 * work.level));
    country.continentalRunnerUps = static_cast<uint16_t>(random_.Range(0, 20 - 4 * work.level));
    country.worldTitles = static_cast<uint16_t>(work.level == 0 ? random_.Range(0, 5) : 0);
    country.worldRunnerUps = static_cast<uint16_t>(work.level == 0 ? random_.Range(0, 5) : 0);
    country.notes = NotesOf(work.entry, options_.seed);
    // The league system and the cups come with the competitions; until then the country keeps
    // the national cup mode the country list gives it and no league levels.
}

void SampleWorldBuilder::BuildNationalCoach(CountryWork& work, NationalCoach& coach) {
    CCountry& country = *work.country;
    coach.name.SetFirstName(names_.FirstName(random_, work.style));
    coach.name.SetSurname(names_.Surname(random_, work.style));
    coach.SetNickname(random_.Chance(20) ? names_.Nickname(random_) : std::string());
    coach.nationality = static_cast<int32_t>(country.Number());
    coach.birthDate = RandomDate(1940, 1965);
    for (uint8_t& skill : coach.skills) {
        skill = static_cast<uint8_t>(random_.Range(0, NationalCoach::kMaxSkill));
    }
    coach.languages[0] = country.languages[0];
    if (random_.Chance(50)) {
        coach.languages[1] = OtherLanguage(coach.languages, 1);
    }
    coach.nationalExperience =
        static_cast<uint8_t>(random_.Range(0, NationalCoach::kMaxNationalExperience));
    coach.internationalExperience =
        static_cast<uint8_t>(random_.Range(0, NationalCoach::kMaxInternationalExperience));
}

void SampleWorldBuilder::BuildCountryRecords(CountryWork& work) {
    CCountry& country = *work.country;
    const bool full = options_.scale == SampleScale::kFull;

    const int referees = std::min<int>(work.clubCount / 2 + random_.Range(4, 10), kMaxReferees);
    for (int i = 0; i < referees; ++i) {
        Referee referee;
        referee.name.SetFirstName(names_.FirstName(random_, work.style));
        referee.name.SetSurname(names_.Surname(random_, work.style));
        referee.trait = static_cast<uint8_t>(random_.Below(Referee::kTraitCount));
        country.referees.Add(referee);
    }

    const int sponsors = std::min<int>(random_.Range(5, full ? 25 : 12), kMaxSponsors);
    for (int i = 0; i < sponsors; ++i) {
        Sponsor sponsor;
        sponsor.SetName(names_.SponsorName(random_, work.style));
        sponsor.value = random_.Range(1, 500) * 10000;
        sponsor.SetText2(Fit("Partner since " + std::to_string(random_.Range(1970, 2003)), 31));
        sponsor.SetText3(Fit("www." + AsciiSlug(sponsor.Name()) + ".com", 31));
        country.sponsors.Add(sponsor);
    }

    const int staff = std::min<int>(random_.Range(8, full ? 40 : 16), kMaxStaffMembers);
    for (int i = 0; i < staff; ++i) {
        StaffMember member;
        member.name.SetFirstName(names_.FirstName(random_, work.style));
        member.name.SetSurname(names_.Surname(random_, work.style));
        member.occupation = random_.Below(StaffMember::kOccupationCount);
        member.level = static_cast<uint8_t>(random_.Below(StaffMember::kLevelCount));
        country.staff.Add(member);
    }

    // The national stadium: a big one of its own in the first place of the country.
    const std::string capital = work.places.empty() ? names_.Place(random_) : work.places.front();
    country.nationalStadium = BuildStadium(work, capital, 4);
}

uint32_t SampleWorldBuilder::BuildStadium(CountryWork& work, const std::string& place, int size) {
    Stadium stadium;
    stadium.SetName(names_.StadiumName(random_, work.style, place));
    stadium.SetCity(Fit(place, 29));
    // The model as the stadium editor chooses it (number, flag and capacity class); now and
    // then no model at all.
    const size_t models = models_.Count();
    const size_t choice =
        random_.Chance(10) ? models : static_cast<size_t>(random_.Below(static_cast<int>(models)));
    models_.ApplyModelChoice(stadium, choice);

    // Places: from a few thousand for the smallest grounds to some 80,000.
    static const int kCapacity[5][2] = {
        {1500, 6000}, {5000, 15000}, {12000, 30000}, {25000, 50000}, {45000, 85000}};
    const int level = std::clamp(size, 0, 4);
    const int total = random_.Range(kCapacity[level][0], kCapacity[level][1]);
    const int seatedPercent = random_.Range(40, 100);
    for (int stand = 0; stand < Stadium::kStandCount; ++stand) {
        const int places = total * kStandShare[stand] / 100;
        const int vip = stand == Stadium::kMainStand ? places * random_.Range(0, 8) / 100 : 0;
        const int seats = (places - vip) * seatedPercent / 100;
        stadium.seats[stand] = seats;
        stadium.terraces[stand] = places - vip - seats;
        stadium.vip[stand] = vip;
    }
    stadium.ApplyCapacityLimits();
    // Season-ticket blocks among the main stands and ends; the away block in a corner.
    stadium.seasonTicketStands = static_cast<uint8_t>(random_.Range(0, 15));
    stadium.awayStands = static_cast<uint8_t>(1u << random_.Range(4, 7));

    const uint32_t key = work.country->stadiums.Add(stadium);
    if (key != 0) {
        work.stadiumKeys.push_back(key);
    }
    return key;
}

void SampleWorldBuilder::BuildPlayerPool(CountryWork& work) {
    CCountry& country = *work.country;
    const int entries = work.clubCount * random_.Range(1, 3) + random_.Range(5, 15);
    country.ReservePlayerPool(static_cast<size_t>(entries));
    std::vector<PlayerPoolEntry>& pool = country.PlayerPool();
    for (int i = 0; i < entries && static_cast<size_t>(i) < pool.size(); ++i) {
        PlayerPoolEntry& entry = pool[static_cast<size_t>(i)];
        entry.name.SetFirstName(names_.FirstName(random_, work.style));
        entry.name.SetSurname(names_.Surname(random_, work.style));
        entry.SetFurtherName(random_.Chance(10) ? names_.Surname(random_, work.style)
                                                : std::string());
        entry.nationality = static_cast<uint8_t>(country.Number());
        entry.specialSkill =
            static_cast<uint8_t>(random_.Below(PlayerPoolEntry::kSpecialSkillCount));
        entry.position = static_cast<uint8_t>(
            random_.Range(PlayerPoolEntry::kGoalkeeper, PlayerPoolEntry::kForward));
        entry.favouriteClub = random_.Chance(40) ? static_cast<int32_t>(RandomClubOf(work)) : 0;
    }
}

} // namespace tallo::sample
