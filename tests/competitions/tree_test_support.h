#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "competitions/competition_keywords.h"
#include "competitions/competition_tree.h"
#include "competitions/db_cup.h"
#include "competitions/db_league_base.h"
#include "competitions/install_competition_trees.h"
#include "competitions/scheme_services.h"
#include "support/temp_dir.h"
#include "world/club.h"
#include "world/country.h"
#include "world/country_competition_tree.h"
#include "world/world.h"

namespace tallo::test {

// A small cup scheme table for the tests: scheme -> rounds (flags, kind).
inline std::map<uint32_t, std::vector<CupSchemeRound>> TestSchemes() {
    using namespace MatchFlag;
    using namespace RoundKind;
    return {
        // National cup: three single-leg rounds.
        {1, {{kWithExtraTime, kRound1}, {kWithExtraTime, kSemiFinal}, {kWithPenalty, kFinal}}},
        // League cup: semi-final of two legs, then the final: 3 matchdays.
        {7, {{k2ndLeg, kSemiFinal}, {kWithPenalty, kFinal}}},
        // English play-off: two legs.
        {11, {{k2ndLeg | kWithExtraTime, kFinal}}},
        {12, {{k2ndLeg, kFinal}}},
        {13, {{0, kRound1}, {0, kFinal}}},
        {14, {{kWithReplay, kFinal}}},
        // Super cup: one match.
        {15, {{kWithPenalty, kFinal}}},
        {19, {{k2ndLeg, kFinal}}},
        {20, {{0, kFinal}}},
    };
}

// Installs the competition trees and the test schemes for the life of the object.
class CompetitionScope {
public:
    CompetitionScope() {
        InstallCompetitionTrees();
        CupSchemeServices services;
        services.rounds = [](uint32_t scheme) {
            auto schemes = TestSchemes();
            auto found = schemes.find(scheme);
            return found != schemes.end() ? found->second : std::vector<CupSchemeRound>();
        };
        SetCupSchemeServices(services);
    }
    ~CompetitionScope() {
        SetCupSchemeServices({});
        SetCompetitionTreeFactory(nullptr);
    }
};

// A countries.sav of all 206 countries ("Land<n>").
inline void WriteTestCountryList(const std::string& path) {
    std::string text;
    for (int n = 1; n <= CWorld::kCountryCount; ++n) {
        text +=
            "Land" + std::to_string(n) + "\r\nL" + std::to_string(n) + "\r\n0\r\n1\r\n2\r\n0\r\n";
    }
    WriteFile(path, text);
}

inline CCompetitionTree& TreeOf(CWorld& world, int country) {
    return *CompetitionTreeOf(*world.GetCountry(country));
}

// Gives a node every matchday it needs, from `firstDay` on every `step` days.
inline void FillCalendar(CDBCompetition& node, int firstDay, int step) {
    for (int m = 0; m < node.RequiredMatchdays(); ++m) {
        node.InsertMatchday(firstDay + m * step);
    }
}

// A complete round-robin-shaped fixture list (every pairing filled).
inline void FillFixtures(CDBLeagueBase& league) {
    CDBFixturelist& fixtures = league.Fixtures();
    for (int row = 0; row < fixtures.Rows(); ++row) {
        for (int column = 0; column < fixtures.Columns(); ++column) {
            uint8_t home = static_cast<uint8_t>((row + column) % league.Size() + 1);
            uint8_t away = static_cast<uint8_t>((row + 2 * column + 1) % league.Size() + 1);
            fixtures.SetPairing(row, column, home, away);
        }
    }
}

// Country 3 with 12 clubs and a full tree: a top league of 10 clubs and a second level of 8
// teams (two clubs and six reserve teams), an English play-off between them, the national cup
// (scheme 1), a league cup (scheme 7) and a super cup (scheme 15), every calendar filled.
inline void BuildFullCountry(CWorld& world, int number = 3) {
    CCountry& country = *world.GetCountry(number);
    for (int i = 1; i <= 12; ++i) {
        country.CreateClub("Club " + std::to_string(i));
    }
    country.leagueCount = 2;
    country.firstLeagueIndex[0] = 0;
    country.endLeagueIndex[0] = 1;
    country.firstLeagueIndex[1] = 1;
    country.endLeagueIndex[1] = 2;
    country.firstReserveLevel = 1;
    country.relegationRules[0] = RelegationRule::kEngland1;
    country.nationalCupMode = 1;
    country.leagueCupMode = 7;
    country.superCupMode = 15;

    CCompetitionTree& tree = *CompetitionTreeOf(country);
    CDBLeagueBase& top = *tree.CreateLeague(0);
    top.SetName("Premier Division");
    top.SetShortName("PREMIER");
    top.SetLevel(0);
    top.SetSize(10);
    top.SetValue(1, 500000);
    top.SetValue(3, 1200000);
    for (int i = 1; i <= 10; ++i) {
        top.AddTeam(ClubId::Make(static_cast<uint32_t>(number), static_cast<uint32_t>(i)));
    }
    CDBLeagueBase& second = *tree.CreateLeague(1);
    second.SetName("First Division");
    second.SetShortName("FIRST");
    second.SetLevel(1);
    second.SetSize(8);
    second.SetRounds(3);
    second.SetAttendanceMultiplier(25);
    second.SetTransferMultiplier(80);
    second.AddTeam(ClubId::Make(static_cast<uint32_t>(number), 11));
    second.AddTeam(ClubId::Make(static_cast<uint32_t>(number), 12));
    for (int i = 1; i <= 6; ++i) {
        second.AddTeam(ClubId::Make(static_cast<uint32_t>(number), static_cast<uint32_t>(i)) |
                       ClubId::kSecondTeamBit);
    }
    FillFixtures(top);
    FillFixtures(second);
    tree.BuildRelegation({true, false, false, false, false});

    tree.ReplaceNationalCup(CompetitionKind::kFaCup, 1)->SetName("National Cup");
    tree.ReplaceNationalCup(CompetitionKind::kLeCup, 7)->SetName("League Cup");
    CDBCup* super = tree.ReplaceNationalCup(CompetitionKind::kSuperCup, 15);
    super->SetName("Super Cup");
    super->SetRoundValue(2, 7, 99);

    FillCalendar(top, 10, 7);
    FillCalendar(second, 12, 5);
    for (CDBCompetition* node : tree.Nodes()) {
        if (node->NodeKind() == NodeKind::kCup) {
            FillCalendar(*node, 30 + static_cast<int>(node->Kind()) * 3, 40);
        }
    }
}

} // namespace tallo::test
