#pragma once

#include <cstdint>
#include <string>

#include "world/game_date.h"
#include "world/national_coach.h"
#include "world/referee.h"
#include "world/sponsor.h"
#include "world/stadium.h"
#include "world/staff_member.h"

namespace tallo {

// The settings and small records of a country, kept apart from what the country owns by
// pointer (clubs, competition tree) so that a country can be copied setting by setting in one
// assignment. Plain values: their accessors would be plain gets and sets.
struct CountrySettings {
    static constexpr int kLeagueLevels = 5;
    static constexpr int kLanguages = 4;

    // Languages: index into the language list of the country editor (0 none).
    uint8_t languages[kLanguages] = {};
    uint8_t mainLanguage = 0; // first language of countries.sav; not stored in the file
    uint8_t languageShares[kLanguages] = {}; // percent
    // First league level (0 = top) admitting second teams; 6: none does.
    uint8_t firstReserveLevel = 0;
    // Not known beyond being a two-way option of the league system page; kept as read, and
    // written into the game database with the first reserve level.
    uint8_t settingB = 0;
    char associationName[9] = {};
    char presidentFirstName[16] = {};
    char presidentSurname[20] = {};
    GameDate presidentBirthDate;
    char newspaperReporterFirstName[16] = {};
    char newspaperReporterSurname[20] = {};
    char stadiumReporterFirstName[16] = {};
    char stadiumReporterSurname[20] = {};
    char studioReporterFirstName[16] = {};
    char studioReporterSurname[20] = {};
    uint8_t winterBreak = 0; // 0 or 1
    // Not known; kept as read, and written into the game database after the winter break.
    uint8_t settingD = 0;
    uint8_t climate = 0; // 0 cold, 1 cool, 2 moderate, 3 warm, 4 hot
    // Per league level: 0 goal difference before goals scored, 1 the other way round.
    uint8_t tieBreakRules[kLeagueLevels] = {};
    // Per league level: 0 none, 1 three non-EU, 2 four non-EU, 3 five non-European, 4 seven.
    uint8_t foreignPlayerRules[kLeagueLevels] = {};
    // 0 Europe, 1 South America, 2 North and Central America, 3 Africa, 4 Asia, 5 Oceania.
    uint32_t continent = 0;
    // Not known: line 6 of the country's entry in countries.sav, written into the game
    // database after the continent; never stored in the country file.
    uint8_t worldValueG = 0;
    // Per league level: the relegation rule (REL_RULE value) between it and the next level.
    uint8_t relegationRules[kLeagueLevels] = {};
    // Bits 0-6 yellow-card schedule, bit 7 a yellow still counts after a yellow-red card.
    uint8_t leagueCardRule = 0;
    uint8_t cupCardRule = 0;
    uint8_t redCardBanRule = 0; // bit 4: the length of a red-card ban varies
    uint8_t banStart = 0;       // 0 at once, 1 on the Monday of the following week
    uint8_t banScopeFlags = 0;  // bits 0-2
    uint8_t cupEntryLevels = 0; // bit i: league level i
    uint8_t indoorTournaments = 0;
    uint8_t cupFlags = 0; // bit 0 lower league at home, bit 1 one club per competition
    uint8_t transferAbroadProbability = 0; // 0-100
    uint32_t nationalStadium = 0;          // stadium key, 0 for none
    // Not known; kept as read and written into the game database as six 16-bit values.
    uint16_t valuesM[6] = {};
    RefereeMap referees;
    SponsorMap sponsors;
    StaffMap staff;
    NationalCoach nationalCoach;
    StadiumMap stadiums;
    uint8_t leagueCount = 0; // number of league levels
    // Per league level the range [first, end) of its leagues in the league table.
    uint8_t firstLeagueIndex[kLeagueLevels] = {};
    uint8_t endLeagueIndex[kLeagueLevels] = {};
    // Per league level two values not known beyond their place (after the league range of the
    // level in the file); kept as read and copied with the league system.
    uint8_t leagueValuesP[kLeagueLevels] = {};
    uint8_t leagueValuesQ[kLeagueLevels] = {};
    // Cup schemes: 1 German, 2 English FA, 3 French, 4 Spanish, 5 Italian cup, 0 none.
    uint32_t nationalCupMode = 0;
    // Low 16 bits the league cup scheme (6, 7, 8 or 0); bit 16 all leagues take part.
    uint32_t leagueCupMode = 0;
    uint32_t superCupMode = 0;    // 15 first half, 16 second half of the season, 0 none
    uint8_t teamMovement = 0;     // first/second team: 0 free, 1 one a week, 2 under 24, 3 window
    uint32_t transferPeriod1 = 0; // 0 "1.7. - 31.1.", 1 "1.7. - 30.11.", 2 "1.7. - 30.10."
    uint32_t transferPeriod2 = 0; // 0 "1.11. - 31.1.", 1 "1.12. - 31.1.", 2 "1.1. - 31.1."
    bool generateNames = false;
    int8_t generatedPlayerRating = 0; // half points, 1-26
    std::string magazine;             // most popular magazine, at most 30 characters
    std::string notes;                // several lines
    uint16_t continentalTitles = 0;
    uint16_t continentalRunnerUps = 0;
    uint16_t worldTitles = 0;
    uint16_t worldRunnerUps = 0;
    uint32_t allowedSkinColours = 0; // bit sets of the looks of generated young players
    uint32_t allowedHairColours = 0;
    uint32_t allowedHairStyles = 0;
    uint32_t allowedFacialHair = 0;
    uint32_t allowedFaceTypes = 0;
    uint8_t averageHeight = 0; // centimetres
    uint8_t averageWeight = 0; // kilograms
};

} // namespace tallo
