// The sample's competitions of a country: its league pyramid with the play-offs its
// relegation rules need, its national cup, league cup and super cup, and their calendars.
// Everything is made through the competition tree as the league system editor and the country
// editor make it, so that a save writes what the editor writes.

#include <algorithm>

#include "competitions/competition_keywords.h"
#include "competitions/competition_tree.h"
#include "competitions/db_cup.h"
#include "competitions/db_league_base.h"
#include "competitions/fixture_creator.h"
#include "competitions/fixture_templates.h"
#include "sample_league_plan.h"
#include "sample_script_folder.h"
#include "sample_world_builder.h"
#include "world/club.h"
#include "world/country.h"

namespace tallo::sample {

namespace {

// Season days: day 0 is the first of July; Saturdays fall on days 4, 11, 18, ...
constexpr int kFirstSaturday = 4;
constexpr int kWeek = 7;
// League weekends: from early August (week 5) to late March (week 48); the winter break leaves
// out weeks 24 to 29 (mid-December to the end of January).
constexpr int kFirstLeagueWeek = 5;
constexpr int kLastLeagueWeek = 48;
constexpr int kFirstBreakWeek = 24;
constexpr int kLastBreakWeek = 29;
// Play-offs and relegation rounds after the league season.
constexpr int kPlayOffDays[] = {347, 350, 354, 357, 361, 364, 368, 371};
// Cups: national cup rounds on Wednesdays, league cup rounds on Tuesdays.
constexpr int kWednesday = 1;
constexpr int kTuesday = 0;
constexpr int kSuperCupFirstHalfDay = 32;
constexpr int kSuperCupSecondHalfDay = 204;

constexpr uint32_t kSecondTeam = ClubId::kSecondTeamBit;

struct LevelNames {
    const char* levels[kMaxLeagueLevels];
    const char* regions[2];
    const char* cup; // "%" stands for the country's name
};

// League and cup names by the country's name style (8-bit text).
const LevelNames& NamesOf(NameStyle style) {
    static const LevelNames kNames[] = {
        {{"Bundesliga", "2. Bundesliga", "Regionalliga", "Oberliga", "Verbandsliga"},
         {" Nord", " S\xFC"
                   "d"},
         "%-Pokal"},
        {{"Primera Divisi\xF3n", "Segunda Divisi\xF3n", "Tercera Divisi\xF3n",
          "Divisi\xF3n Regional", "Liga Amateur"},
         {" Norte", " Sur"},
         "Copa de %"},
        {{"Prva Liga", "Druga Liga", "Tretja Liga", "Oblastna Liga", "Gradska Liga"},
         {" Sever", " Jug"},
         "Kup %"},
        {{"Eliteserien", "1. Divisjon", "2. Divisjon", "3. Divisjon", "4. Divisjon"},
         {" Nord", " S\xF8r"},
         "%-cupen"},
        {{"Premier League", "First Division", "Second Division", "Third Division",
          "Regional League"},
         {" North", " South"},
         "% Cup"},
    };
    const int index = std::clamp(static_cast<int>(style), 0, 4);
    return kNames[index];
}

std::string CupName(const char* pattern, std::string_view country) {
    std::string name(pattern);
    const size_t at = name.find('%');
    if (at != std::string::npos) {
        name.replace(at, 1, country);
    }
    return Fit(name, CDBCompetition::kNameReadLimit);
}

// `count` days spread over `days` (which must hold at least `count`), in order.
std::vector<int> Spread(const std::vector<int>& days, int count) {
    std::vector<int> chosen;
    const int available = static_cast<int>(days.size());
    if (count <= 0 || available == 0) {
        return chosen;
    }
    if (count == 1) {
        return {days.front()};
    }
    for (int i = 0; i < count && i < available; ++i) {
        chosen.push_back(days[static_cast<size_t>(i * (available - 1) / (count - 1))]);
    }
    return chosen;
}

// The matchdays of a league: Saturdays, and Wednesdays too when the weekends are not enough.
std::vector<int> LeagueDays(int required, bool winterBreak) {
    std::vector<int> weekends;
    for (int week = kFirstLeagueWeek; week <= kLastLeagueWeek; ++week) {
        if (winterBreak && week >= kFirstBreakWeek && week <= kLastBreakWeek) {
            continue;
        }
        weekends.push_back(kFirstSaturday + kWeek * week);
    }
    const int available = static_cast<int>(weekends.size());
    if (required <= available) {
        return Spread(weekends, required);
    }
    std::vector<int> days = weekends;
    const int extra = required - available;
    for (int i = 0; i < extra; ++i) {
        days.push_back(weekends[static_cast<size_t>(i * available / extra)] - 3);
    }
    std::sort(days.begin(), days.end());
    return days;
}

// The days of a cup: one day for each round, a second one a week later for a round with a
// second leg or a replay; rounds spread from `first` to `last` on one weekday.
std::vector<int> CupDays(uint32_t scheme, int first, int last, int weekday) {
    const std::vector<CupSchemeRow> rounds = SampleSchemeRounds(scheme);
    std::vector<int> days;
    const int count = static_cast<int>(rounds.size());
    for (int i = 0; i < count; ++i) {
        int day = count == 1 ? first : first + i * (last - first) / (count - 1);
        day -= ((day - weekday) % kWeek + kWeek) % kWeek;
        days.push_back(day);
        if ((rounds[static_cast<size_t>(i)].flags &
             (MatchFlag::k2ndLeg | MatchFlag::kWithReplay)) != 0) {
            days.push_back(day + kWeek);
        }
    }
    return days;
}

// Gives the node the days as its matchdays 1, 2, ...
void SetCalendar(CDBCompetition& node, const std::vector<int>& days) {
    node.ClearCalendar();
    int32_t matchday = 0;
    for (int day : days) {
        node.SetMatchdayOn(day, ++matchday);
    }
}

// The fixture list: from the templates (8 to 24 teams), else from the round-robin generator.
void FillFixtures(CDBLeagueBase& league) {
    if (league.FillFixturesFromTemplate()) {
        return;
    }
    league.ResetFixtures();
    CFixtureCreator creator;
    if (!creator.Create(league.Size(), league.Rounds())) {
        return;
    }
    const int columns = league.Size() / 2;
    for (int32_t row = 0; row < creator.Rows(); ++row) {
        for (int column = 0; column < columns; ++column) {
            const FixturePairing pairing = creator.Entry(row, column);
            league.Fixtures().SetPairing(row, column, static_cast<uint8_t>(pairing.home + 1),
                                         static_cast<uint8_t>(pairing.away + 1));
        }
    }
}

bool IsPlayOff(uint32_t kind) {
    return kind == CompetitionKind::kRel1 || kind == CompetitionKind::kRel2 ||
           kind == CompetitionKind::kRel3 || kind == CompetitionKind::kSwitzerland ||
           kind == CompetitionKind::kScott1;
}

} // namespace

void SampleWorldBuilder::BuildCompetitions(CountryWork& work) {
    CCountry& country = *work.country;
    CCompetitionTree* tree = CompetitionTreeOf(country);
    if (tree == nullptr) {
        return; // no competition trees installed: the country keeps what it has
    }
    LeagueSystemPlan plan;
    const bool fixed = options_.scale == SampleScale::kSmall &&
                       SmallLeagueSystem(static_cast<int>(country.Number()), plan);
    if (!fixed) {
        plan = RandomLeagueSystem(work.clubCount, work.level, leagueRandom_);
    }
    const LevelNames& names = NamesOf(work.style);
    const std::string countryName(country.Name(0));
    const std::string code(country.Abbreviation(0));

    // The league table: levels from the top, leagues numbered 0, 1, ... level by level; the
    // clubs in their order of strength, regional leagues taking them in turn.
    size_t nextClub = 0;
    size_t nextSecondTeam = 0;
    uint32_t number = 0;
    country.leagueCount = static_cast<uint8_t>(plan.levels.size());
    for (int k = 0; k < CountrySettings::kLeagueLevels; ++k) {
        country.firstLeagueIndex[k] = 0;
        country.endLeagueIndex[k] = 0;
        country.relegationRules[k] = 0;
    }
    for (size_t k = 0; k < plan.levels.size(); ++k) {
        const LeagueLevelPlan& level = plan.levels[k];
        country.firstLeagueIndex[k] = static_cast<uint8_t>(number);
        std::vector<CDBLeagueBase*> leagues;
        for (size_t i = 0; i < level.sizes.size(); ++i) {
            CDBLeagueBase* league = tree->CreateLeague(number++);
            if (league == nullptr) {
                continue;
            }
            std::string name = names.levels[k];
            if (level.sizes.size() > 1) {
                name += i < 2 ? names.regions[i] : " " + std::to_string(i + 1);
            }
            league->SetName(Fit(name, CDBCompetition::kNameReadLimit));
            std::string shortName = code + " Liga " + std::to_string(k + 1);
            if (level.sizes.size() > 1) {
                shortName += static_cast<char>('A' + i);
            }
            league->SetShortName(Fit(shortName, CDBCompetition::kShortNameSize - 1));
            league->SetLevel(static_cast<int32_t>(k));
            league->SetSize(level.sizes[i]);
            league->SetRounds(level.rounds);
            // Higher leagues of stronger countries draw more people and pay more.
            const int weight = kMaxLeagueLevels - static_cast<int>(k) + (3 - work.level);
            league->SetAttendanceMultiplier(static_cast<uint8_t>(20 + 12 * weight));
            league->SetTransferMultiplier(static_cast<uint8_t>(30 + 15 * weight));
            league->SetValue(1, 10000 * weight * weight);
            league->SetValue(2, 500 * weight);
            league->SetValue(3, k == 0 ? 25000 * (4 - work.level) : 0);
            for (int r = 0; r < level.reserveTeams && nextSecondTeam < work.clubIds.size(); ++r) {
                league->AddTeam(work.clubIds[nextSecondTeam++] | kSecondTeam);
            }
            leagues.push_back(league);
        }
        // The clubs of the level, dealt to its leagues in turn.
        for (size_t slot = 0; !leagues.empty() && nextClub < work.clubIds.size(); ++slot) {
            CDBLeagueBase* league = leagues[slot % leagues.size()];
            if (std::all_of(leagues.begin(), leagues.end(),
                            [](const CDBLeagueBase* l) { return l->TeamCount() >= l->Size(); })) {
                break;
            }
            if (league->TeamCount() < league->Size()) {
                league->AddTeam(work.clubIds[nextClub++]);
            }
        }
        for (CDBLeagueBase* league : leagues) {
            FillFixtures(*league);
            SetCalendar(*league, LeagueDays(league->RequiredMatchdays(), country.winterBreak != 0));
        }
        country.endLeagueIndex[k] = static_cast<uint8_t>(number);
        country.relegationRules[k] = level.relegationRule;
    }
    if (const int32_t reserveLevel = plan.FirstReserveLevel();
        reserveLevel >= 0 && country.firstReserveLevel > reserveLevel) {
        country.firstReserveLevel = static_cast<uint8_t>(reserveLevel);
    }

    // Play-offs and relegation leagues between the levels; leagues with plain promotion and
    // relegation take the rule themselves.
    std::array<bool, CCompetitionTree::kLeagueLevels> changed{};
    for (size_t k = 0; k + 1 < plan.levels.size(); ++k) {
        changed[k] = true;
    }
    tree->BuildRelegation(changed);
    for (size_t k = 0; k < plan.levels.size(); ++k) {
        const uint8_t rule = country.relegationRules[k];
        if (rule < RelegationRule::kEngland1) {
            for (uint32_t n : tree->LeagueNumbersOfLevel(static_cast<int>(k))) {
                tree->League(n)->SetRelegationRule(rule);
            }
        }
    }
    for (CDBCompetition* node : tree->Nodes()) {
        if (!IsPlayOff(node->Kind())) {
            continue;
        }
        // The league system names them with the text of a new play-off; the sample gives them
        // names of its own, as a user would.
        const int upper = std::max(node->Level(), 0) + 1;
        node->SetName(node->Kind() == CompetitionKind::kScott1
                          ? "Relegation round " + std::to_string(upper)
                          : "Relegation play-off " + std::to_string(upper));
        node->SetShortName(
            Fit(code + " Rel " + std::to_string(upper), CDBCompetition::kShortNameSize - 1));
        const auto* cup = dynamic_cast<const CDBCup*>(node);
        const int required =
            cup != nullptr ? SampleSchemeMatchdays(cup->Scheme()) : node->RequiredMatchdays();
        std::vector<int> days(std::begin(kPlayOffDays), std::end(kPlayOffDays));
        days.resize(std::min(days.size(), static_cast<size_t>(std::max(required, 0))));
        SetCalendar(*node, days);
    }

    // The cups, as the country editor replaces them when a scheme is chosen.
    country.nationalCupMode = plan.nationalCupScheme;
    country.leagueCupMode = plan.leagueCupMode;
    country.superCupMode = plan.superCupScheme;
    const uint32_t leagueCupScheme = plan.leagueCupMode & 0xFFFFu;
    struct CupToMake {
        uint32_t kind;
        uint32_t scheme;
        const char* pattern;
        const char* shortSuffix;
        std::vector<int> days;
    };
    const CupToMake cups[] = {
        {CompetitionKind::kFaCup, plan.nationalCupScheme, names.cup, " Cup",
         CupDays(plan.nationalCupScheme, 43, 337, kWednesday)},
        {CompetitionKind::kLeCup, leagueCupScheme, "% League Cup", " LCup",
         CupDays(leagueCupScheme, 57, 302, kTuesday)},
        {CompetitionKind::kSuperCup,
         plan.superCupScheme,
         "% Super Cup",
         " SCup",
         {plan.superCupScheme == SampleScheme::kSuperCupFirstHalf ? kSuperCupFirstHalfDay
                                                                  : kSuperCupSecondHalfDay}},
    };
    for (const CupToMake& made : cups) {
        CDBCup* cup = tree->ReplaceNationalCup(made.kind, made.scheme);
        if (cup == nullptr) {
            continue;
        }
        cup->SetName(CupName(made.pattern, countryName));
        cup->SetShortName(Fit(code + made.shortSuffix, CDBCompetition::kShortNameSize - 1));
        const int rounds = SampleSchemeRoundCount(made.scheme);
        for (int i = 0; i < rounds; ++i) {
            const int slot = CDBCup::kRoundSlots - rounds + i;
            cup->SetRoundValue(0, slot, 25 * (i + 1) * (4 - work.level));
            cup->SetRoundValue(1, slot, i + 1 == rounds ? 1 : 0);
        }
        std::vector<int> days = made.days;
        days.resize(std::min(days.size(), static_cast<size_t>(SampleSchemeMatchdays(made.scheme))));
        SetCalendar(*cup, days);
    }
}

} // namespace tallo::sample
