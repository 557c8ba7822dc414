// The sample's clubs: names, contact data, history, stadiums, facilities, kits and the
// national team.

#include <algorithm>
#include <set>

#include "sample_badges.h"
#include "sample_world_builder.h"
#include "world/club.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo::sample {

namespace {

std::string YearList(SampleRandom& random, int count, int firstYear, int lastYear) {
    std::set<int> years;
    for (int i = 0; i < count && firstYear <= lastYear; ++i) {
        years.insert(random.Range(firstYear, lastYear));
    }
    std::string text;
    for (int year : years) {
        if (!text.empty()) {
            text += ',';
        }
        text += std::to_string(year);
    }
    return text;
}

std::string Abbreviate(const std::string& place) {
    std::string letters = UpperAscii(AsciiSlug(place));
    return letters.substr(0, std::min<size_t>(letters.size(), 3));
}

void RandomKit(SampleRandom& random, ClubKit& kit) {
    for (int k = 0; k < ClubKit::kKitCount; ++k) {
        for (int s = 0; s < ClubKit::kStyleCount; ++s) {
            kit.styles[k][s] = static_cast<uint8_t>(random.Range(0, ClubKit::kMaxStyle[s]));
        }
        for (uint8_t& colour : kit.colours[k]) {
            colour = static_cast<uint8_t>(random.Range(0, 63));
        }
    }
    kit.colourEntry = static_cast<uint16_t>(random.Range(1, 400));
}

} // namespace

void SampleWorldBuilder::BuildClubs(CountryWork& work) {
    CCountry& country = *work.country;
    std::set<std::string> usedPlaces;
    std::set<std::string> usedNames;
    for (int rank = 0; rank < work.clubCount; ++rank) {
        // Now and then a second club of a place that has one already (a derby).
        std::string place;
        if (!work.places.empty() && random_.Chance(15)) {
            place = work.places[static_cast<size_t>(
                random_.Below(static_cast<int>(work.places.size())))];
        } else {
            do {
                place = names_.Place(random_);
            } while (!usedPlaces.insert(place).second);
        }
        std::string name;
        for (int attempt = 0; attempt < 50; ++attempt) {
            name = names_.ClubName(random_, place);
            if (usedNames.count(name) == 0) {
                break;
            }
        }
        if (!usedNames.insert(name).second) {
            // Every pattern of the place is taken: a fresh place instead.
            do {
                place = names_.Place(random_);
            } while (!usedPlaces.insert(place).second);
            name = Fit("FC " + place, 29);
            usedNames.insert(name);
        }
        CClub* club = country.CreateClub(name);
        if (club == nullptr) {
            break;
        }
        work.places.push_back(place);
        work.clubIds.push_back(club->Id());
        BuildClubDetails(work, *club, place, rank);
    }
}

void SampleWorldBuilder::BuildClubDetails(CountryWork& work, CClub& club, const std::string& place,
                                          int rank) {
    const uint32_t countryNumber = work.country->Number();
    // Rank 0 is the biggest club of the country; strength falls with the rank and the level.
    const int clubs = std::max(work.clubCount, 1);
    const int tier = std::clamp(4 - work.level - (rank * 4) / clubs, 0, 4);

    for (int slot = 0; slot < CClub::kLanguageSlots; ++slot) {
        club.SetShortName(slot, Fit(place, CClub::kShortNameMax));
        club.SetAbbreviation(slot, Abbreviate(place));
        club.SetCity(slot, Fit(place, CClub::kCitySize - 1));
        for (int text = 0; text < CClub::kArticleTextCount; ++text) {
            club.SetArticle(static_cast<CClub::ArticleText>(text), slot,
                            static_cast<uint8_t>(random_.Below(3)));
        }
        club.SetAbbreviationArticle(slot, static_cast<uint8_t>(random_.Below(3)));
    }
    club.SetFanName(names_.FanName(random_));
    club.SetSecondFanName(random_.Chance(40) ? names_.FanName(random_) : std::string());
    club.SetMascot(names_.Mascot(random_));

    // Friendly club and rivals lie in the club's own country; the clubs before this one exist.
    const int earlier = static_cast<int>(work.clubIds.size()) - 1;
    if (earlier > 0) {
        auto pick = [&] { return work.clubIds[static_cast<size_t>(random_.Below(earlier))]; };
        if (random_.Chance(30)) {
            club.SetFriendlyClub(pick());
        }
        if (random_.Chance(60)) {
            club.SetRival(0, pick());
        }
        if (random_.Chance(20)) {
            club.SetRival(1, pick());
        }
    }
    const int founded = random_.Range(1870, 1990);
    club.SetFoundationYear(static_cast<int16_t>(founded));
    if (random_.Chance(10)) {
        club.SetSeasonFlag(CClub::kPromoted, false, true);
    } else if (random_.Chance(10)) {
        club.SetSeasonFlag(CClub::kRelegated, false, true);
    }
    if (random_.Chance(5)) {
        club.SetSeasonFlag(random_.Chance(50) ? CClub::kCupWinner : CClub::kCupFinalist, false,
                           true);
    }
    if (random_.Chance(5)) {
        club.SetSeasonFlag(CClub::kPromoted, true, true);
    }

    // The editor sets the capital as (spin position - 200) * 100000.
    club.SetStartingCapital((random_.Range(180, 230 + 50 * tier) - 200) * 100000);
    club.SetStockCompany(tier >= 3 && random_.Chance(40));
    club.SetPenaltyPoints(random_.Chance(95) ? 0 : (random_.Chance(50) ? 3 : 6));

    const std::string slug = AsciiSlug(place);
    club.SetAddress(Fit(names_.Surname(random_, work.style) + " " +
                            std::to_string(random_.Range(1, 120)) + ", " +
                            std::to_string(random_.Range(1000, 99999)) + " " + place,
                        CClub::kAddressSize - 1));
    club.SetTelephone(Fit("+" + std::to_string(countryNumber) + " " +
                              std::to_string(random_.Range(100, 999)) + " " +
                              std::to_string(random_.Range(100000, 999999)),
                          CClub::kTelephoneSize - 1));
    club.SetWebSite(Fit("www.fc-" + slug + ".example.com", CClub::kWebSize - 1));
    if (random_.Chance(50)) {
        // Several lines, as the editor keeps them.
        club.SetFanSites("www." + slug + "-fans.example.net\r\nforum." + slug + ".example.org");
    }
    club.SetNewspaper(names_.Newspaper(random_, place));

    static const int kAttendance[5] = {2000, 6000, 15000, 28000, 45000};
    const int midSeason = kAttendance[tier] + random_.Range(0, kAttendance[tier]);
    club.SetAttendanceValue(CClub::kMidSeasonAttendance, midSeason);
    club.SetAttendanceValue(CClub::kImportantMatchAttendance,
                            midSeason + midSeason * random_.Range(10, 100) / 100);
    club.SetAttendanceValue(CClub::kSeasonTickets, midSeason * random_.Range(20, 70) / 100);
    const int seasons = tier >= 2 ? random_.Range(5, 60) : random_.Range(0, 8);
    const int matches = seasons * 34;
    const int scored = matches * random_.Range(90, 180) / 100;
    club.SetLeagueStatistic(CClub::kMatches, matches);
    club.SetLeagueStatistic(CClub::kPoints, matches * random_.Range(90, 190) / 100);
    club.SetLeagueStatistic(CClub::kGoalsScored, scored);
    club.SetLeagueStatistic(CClub::kGoalsConceded, matches * random_.Range(90, 180) / 100);
    club.SetLeagueStatistic(CClub::kSeasonsLed, tier == 4 ? random_.Range(0, seasons / 3) : 0);

    const int firstTitleYear = std::max(founded + 5, 1900);
    if (tier >= 3) {
        club.SetTitles(CClub::kChampionships,
                       YearList(random_, random_.Range(1, 8), firstTitleYear, 2003));
        club.SetTitles(CClub::kCupWins,
                       YearList(random_, random_.Range(0, 6), firstTitleYear, 2003));
    }
    if (tier == 4) {
        club.SetTitles(CClub::kSuperCupWins, YearList(random_, random_.Range(0, 3), 1980, 2003));
        club.SetTitles(CClub::kLeagueCupWins, YearList(random_, random_.Range(0, 3), 1980, 2003));
        club.SetTitles(CClub::kEuropeanCupWins, YearList(random_, random_.Range(0, 2), 1960, 2003));
        club.SetTitles(CClub::kChampionsLeagueWins,
                       YearList(random_, random_.Chance(20) ? 1 : 0, 1993, 2003));
    }
    for (int kind = 0; kind < ResultRecord::kKindCount; ++kind) {
        ResultRecord record;
        const int earliest = std::min(std::max(founded, 1950), 2003);
        record.season = static_cast<uint16_t>(random_.Range(earliest, 2003));
        record.opponent = work.places.size() > 1 && random_.Chance(70)
                              ? work.places[static_cast<size_t>(
                                    random_.Below(static_cast<int>(work.places.size())))]
                              : names_.Place(random_);
        if (kind == ResultRecord::kAttendance) {
            record.attendance =
                club.AttendanceValue(CClub::kImportantMatchAttendance) + random_.Range(0, 5000);
        } else {
            const int big = random_.Range(3, 9);
            const int small = random_.Range(0, 2);
            const bool win = kind == ResultRecord::kHomeWin || kind == ResultRecord::kAwayWin;
            record.goalsA = static_cast<int8_t>(win ? big : small);
            record.goalsB = static_cast<int8_t>(win ? small : big);
        }
        club.SetRecord(static_cast<ResultRecord::Kind>(kind), record);
    }
    club.SetBadgeFile(SampleBadgeName(badgeRandom_, *work.country, club));
    for (int i = 0; i < 3; ++i) {
        club.SetClubValueB(i, static_cast<uint8_t>(random_.Range(0, 10)));
    }

    // The club's ground: most clubs have one of their own, some share the one of a club of the
    // same place, a few play elsewhere now and then.
    uint32_t stadium = 0;
    const auto samePlace = std::find(work.places.begin(), work.places.end() - 1, place);
    if (samePlace != work.places.end() - 1 && random_.Chance(60)) {
        const size_t other = static_cast<size_t>(samePlace - work.places.begin());
        const CClub* neighbour = work.country->FindClub(work.clubIds[other]);
        stadium = neighbour != nullptr ? neighbour->MainStadium() : 0;
    }
    if (stadium == 0) {
        stadium = BuildStadium(work, place, tier);
    }
    club.SetMainStadium(stadium);
    if (!work.stadiumKeys.empty() && random_.Chance(10)) {
        club.SetAlternativeStadium(work.stadiumKeys[static_cast<size_t>(
            random_.Below(static_cast<int>(work.stadiumKeys.size())))]);
    }

    // Facilities 0-5; bigger clubs have better ones. The club's staff is chosen to fit them.
    for (int facility = 0; facility < CClub::kFacilityCount; ++facility) {
        const int level =
            std::clamp(tier + random_.Range(-2, 1), 0, static_cast<int>(CClub::kMaxFacilityLevel));
        club.SetFacilityLevel(static_cast<CClub::Facility>(facility), static_cast<uint8_t>(level));
    }
    const bool south =
        work.entry != nullptr && (work.entry->continent == 1 || work.entry->continent == 5);
    club.SetLatitude(CClub::PackLatitude(random_.Range(0, 70), random_.Range(0, 59), south));
    club.SetLongitude(
        CClub::PackLongitude(random_.Range(0, 179), random_.Range(0, 59), random_.Chance(50)));
    ClubKit kit;
    RandomKit(random_, kit);
    club.SetKit(kit);
    club.SetColourEntry(kit.colourEntry);
    club.SetPrestige(static_cast<uint8_t>(
        std::clamp(tier * 4 + random_.Range(0, 4), 0, static_cast<int>(CClub::kMaxPrestige))));
    if (random_.Chance(30)) {
        club.SetCityPhoto("city" + std::to_string(countryNumber) + "_" +
                          std::to_string(club.ClubNumber()) + ".jpg");
    }
    club.SetTransferCountry(0, static_cast<uint8_t>(countryNumber));
    club.SetTransferCountry(1, random_.Chance(50) ? RandomCountry() : 0);
    club.SetYouthCountry(static_cast<uint8_t>(countryNumber));
    club.SetClubValueA(static_cast<uint16_t>(random_.Range(0, 1000)));
}

void SampleWorldBuilder::BuildNationalTeam(CountryWork& work) {
    CClub* team = work.country->NationalTeam();
    if (team == nullptr) {
        return;
    }
    const std::string capital = work.places.empty() ? std::string() : work.places.front();
    for (int slot = 0; slot < CClub::kLanguageSlots; ++slot) {
        team->SetCity(slot, Fit(capital, CClub::kCitySize - 1));
    }
    team->SetFanName(names_.FanName(random_));
    team->SetFoundationYear(static_cast<int16_t>(random_.Range(1880, 1960)));
    team->SetMainStadium(work.country->nationalStadium);
    team->SetBadgeFile(SampleBadgeName(badgeRandom_, *work.country, *team));
    ClubKit kit;
    RandomKit(random_, kit);
    team->SetKit(kit);
    team->SetColourEntry(kit.colourEntry);
    team->SetPrestige(static_cast<uint8_t>(std::clamp(18 - 4 * work.level, 0, 20)));
    team->SetYouthCountry(static_cast<uint8_t>(work.country->Number()));
}

} // namespace tallo::sample
