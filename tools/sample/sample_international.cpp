// The international competitions of the sample's script folder: the European cups, the South
// American cup, the European championship with its qualification, the world cup and the
// indoor tournament, as the five definition files hold them.

#include <algorithm>
#include <string>

#include "competitions/competition_id.h"
#include "competitions/competition_keywords.h"
#include "competitions/fixture_creator.h"
#include "sample_program_builder.h"
#include "sample_script_folder.h"

namespace tallo::sample {

namespace {

constexpr uint32_t kInternational = 250;
// Stage identifiers: the running numbers of rounds and groups.
constexpr uint32_t kStageQuali = 1;
constexpr uint32_t kStageRound1 = 2;
constexpr uint32_t kStageLast16 = 5;
constexpr uint32_t kStageQuarterFinal = 6;
constexpr uint32_t kStageSemiFinal = 7;
constexpr uint32_t kStageFinal = 8;
constexpr uint32_t kStageGroupA = 9;
constexpr uint32_t kStageGroup1 = 17;

constexpr uint32_t kTwoLegs =
    MatchFlag::k2ndLeg | MatchFlag::kWithExtraTime | MatchFlag::kWithPenalty;
constexpr uint32_t kDecider = MatchFlag::kWithExtraTime | MatchFlag::kWithPenalty;
constexpr uint32_t kFinalFlags = kDecider | MatchFlag::kWithoutAwayGoal;
constexpr uint32_t kNationalTeam = 0xFFFF;
constexpr int kSouthAmerica = 1;
constexpr int kEurope = 0;
// Pool sorts (POOL_SORT_*).
constexpr int32_t kSortIndoor = 1;
constexpr int32_t kSortNationalRanking = 2;
constexpr int32_t kSortNorthSouth = 3;
constexpr int32_t kSortWestEast = 4;

uint32_t Id(uint32_t kind, uint32_t number, uint32_t country = kInternational) {
    return CompetitionId::Make(country, kind, number);
}

DefinitionNode Base(const char* type, uint32_t id) {
    DefinitionNode node;
    node.typeLine = type;
    node.id = id;
    return node;
}

// A tie of one leg (second day 0) or two.
DefinitionNode RoundNode(uint32_t id, const std::string& name, int32_t firstDay, int32_t secondDay,
                         uint32_t flags) {
    DefinitionNode node = Base("DB_ROUND", id);
    node.name = name;
    node.firstLegDay = firstDay;
    node.secondLegDay = secondDay;
    if (secondDay != 0) {
        node.firstLegFlags = MatchFlag::k1stLeg;
        node.secondLegFlags = flags;
    } else {
        node.firstLegFlags = flags;
    }
    return node;
}

DefinitionNode PoolNode(uint32_t id, int32_t teams, int32_t groups, int32_t sort,
                        const std::vector<uint32_t>& checks) {
    DefinitionNode node = Base("DB_POOL", id);
    node.poolValue1 = teams;
    node.poolValue2 = groups;
    node.poolSort = sort;
    node.checkCount = static_cast<int32_t>(std::min<size_t>(checks.size(), 3));
    for (size_t i = 0; i < node.checkIds.size() && i < checks.size(); ++i) {
        node.checkIds[i] = checks[i];
    }
    return node;
}

// A group (or tournament) of `size` teams playing two rounds: its fixture from the
// round-robin generator (team numbers from 1; the resting pairing of an odd size left out),
// its matchdays from `days` (one per matchday as far as they go, then the "0" padding).
DefinitionNode GroupNode(uint32_t id, const std::string& name, int32_t size,
                         const std::vector<int32_t>& days, const std::vector<uint32_t>& teams) {
    DefinitionNode node = Base("DB_LEAGUE", id);
    node.name = name;
    node.size = size;
    node.level = -1;
    node.rounds = 2;
    node.dayType = RoundKind::kGroup1;
    node.attendance = 100;
    node.teams = teams;
    CFixtureCreator creator;
    if (creator.Create(size, node.rounds)) {
        for (int32_t row = 0; row < creator.Rows(); ++row) {
            std::vector<int32_t> line;
            for (int32_t column = 0; column < size / 2; ++column) {
                const FixturePairing pairing = creator.Entry(row, column);
                line.push_back(pairing.home + 1);
                line.push_back(pairing.away + 1);
            }
            node.fixture.push_back(std::move(line));
        }
    }
    const int32_t required = static_cast<int32_t>(node.fixture.size());
    std::vector<int32_t> used(days.begin(), days.begin() + std::min<size_t>(days.size(), required));
    node.dayList = PaddedDayList(used, required);
    node.values = {0, 5000, 250, 0};
    return node;
}

// A cup of a scheme: its days and a prize for each round.
DefinitionNode CupNode(uint32_t id, const std::string& name, uint32_t scheme,
                       const std::vector<int32_t>& days) {
    DefinitionNode node = Base("DB_CUP", id);
    node.name = name;
    node.scheme = static_cast<int32_t>(scheme);
    node.dayList = PaddedDayList(days, SampleSchemeMatchdays(scheme));
    const int32_t rounds = SampleSchemeRoundCount(scheme);
    for (int32_t round = 0; round < rounds; ++round) {
        node.roundValues.push_back({250 * (round + 1), 0, 0, 0});
    }
    return node;
}

void Link(DefinitionNode& from, DefinitionNode& to) {
    from.successors.push_back(to.id);
    to.predecessors.push_back(from.id);
}

// Knockout rounds one after the other: each takes the winner of the round before it.
void Chain(const std::vector<DefinitionNode*>& rounds) {
    for (size_t i = 1; i < rounds.size(); ++i) {
        Link(*rounds[i - 1], *rounds[i]);
        rounds[i]->program = ProgramBuilder().Winner(rounds[i - 1]->id).Take();
    }
}

DefinitionFile Finish(std::vector<DefinitionNode> nodes) {
    DefinitionFile file;
    file.nodeCount = static_cast<int32_t>(nodes.size());
    for (size_t i = 0; i < nodes.size(); ++i) {
        nodes[i].section = static_cast<int32_t>(i);
    }
    file.nodes = std::move(nodes);
    return file;
}

std::string GroupName(const std::string& prefix, size_t index) {
    return prefix + std::string(1, static_cast<char>('A' + index));
}

DefinitionFile EuropeanCups() {
    const uint32_t cl = CompetitionKind::kChampionsLeague;
    std::vector<DefinitionNode> nodes;

    DefinitionNode quali =
        RoundNode(Id(cl, kStageQuali), "Champions League qualification", 30, 37, kTwoLegs);
    quali.program = ProgramBuilder().BuildUefa5(1, 2).Uefa5Tab(2, 2, 3).Uefa5Tab(3, 1, 2).Take();

    DefinitionNode draw = PoolNode(Id(cl, kStageRound1), 32, 8, kSortNationalRanking, {quali.id});
    draw.program = ProgramBuilder()
                       .Winner(quali.id)
                       .Uefa5SureTab(1, 2)
                       .Uefa5SureTab(2, 2)
                       .Uefa5SureTab(3, 1)
                       .Take();
    Link(quali, draw);

    DefinitionNode last16 =
        RoundNode(Id(cl, kStageLast16), "Champions League last sixteen", 232, 246, kTwoLegs);
    std::vector<DefinitionNode> groups;
    ProgramBuilder last16Program;
    for (size_t g = 0; g < 8; ++g) {
        DefinitionNode group =
            GroupNode(Id(cl, kStageGroupA + static_cast<uint32_t>(g)),
                      GroupName("Champions League group ", g), 4, {78, 92, 113, 127, 141, 155}, {});
        group.program =
            ProgramBuilder()
                .Pool(draw.id, static_cast<int32_t>(g) * 4 + 1, static_cast<int32_t>(g) * 4 + 4)
                .Take();
        Link(draw, group);
        Link(group, last16);
        last16Program.TabXToY(group.id, 1, 2);
        groups.push_back(std::move(group));
    }
    last16.program = last16Program.Take();
    DefinitionNode quarter =
        RoundNode(Id(cl, kStageQuarterFinal), "Champions League quarter-final", 274, 281, kTwoLegs);
    DefinitionNode semi =
        RoundNode(Id(cl, kStageSemiFinal), "Champions League semi-final", 302, 309, kTwoLegs);
    DefinitionNode final =
        RoundNode(Id(cl, kStageFinal), "Champions League final", 330, 0, kFinalFlags);
    Chain({&last16, &quarter, &semi, &final});

    DefinitionNode uefa =
        CupNode(Id(CompetitionKind::kUefaCup, 0), "UEFA Cup", SampleScheme::kUefaCup,
                {44, 58, 79, 93, 114, 128, 156, 170, 233, 240, 261, 275, 296, 310, 324});
    uefa.predecessors.push_back(quali.id);
    uefa.program = ProgramBuilder()
                       .Loser(quali.id)
                       .Uefa5SureTab(1, 3)
                       .Uefa5Tab(2, 4, 5)
                       .Winner(Id(CompetitionKind::kFaCup, 0, 0))
                       .InternationalSpare(Id(CompetitionKind::kUefaCup, 0), 3)
                       .Take();
    DefinitionNode intertoto = CupNode(Id(CompetitionKind::kUic, 0), "Intertoto Cup",
                                       SampleScheme::kIntertotoCup, {2, 9, 16, 23, 30, 37, 44, 51});
    intertoto.program = ProgramBuilder().Uefa5SureUic(1, 6).Uefa5SureUic(2, 7).Take();
    Link(intertoto, uefa);

    DefinitionNode superCup = RoundNode(Id(CompetitionKind::kEuroSuperCup, kStageFinal),
                                        "European Super Cup", 59, 0, kFinalFlags);
    superCup.program = ProgramBuilder().Winner(final.id).Winner(uefa.id).Take();

    nodes.push_back(std::move(quali));
    nodes.push_back(std::move(draw));
    for (DefinitionNode& group : groups) {
        nodes.push_back(std::move(group));
    }
    nodes.push_back(std::move(last16));
    nodes.push_back(std::move(quarter));
    nodes.push_back(std::move(semi));
    nodes.push_back(std::move(final));
    nodes.push_back(std::move(uefa));
    nodes.push_back(std::move(intertoto));
    nodes.push_back(std::move(superCup));
    return Finish(std::move(nodes));
}

DefinitionFile SouthAmericanCup(const std::vector<SampleCountry>& countries) {
    const uint32_t kind = CompetitionKind::kToyota;
    std::vector<uint32_t> topLeagues;
    for (const SampleCountry& country : countries) {
        if (country.continent == kSouthAmerica) {
            topLeagues.push_back(
                Id(CompetitionKind::kLeague, 0, static_cast<uint32_t>(country.number)));
        }
    }
    std::vector<DefinitionNode> nodes;
    DefinitionNode draw = PoolNode(
        Id(kind, kStageRound1), 16, 4, kSortNorthSouth,
        std::vector<uint32_t>(topLeagues.begin(),
                              topLeagues.begin() + std::min<size_t>(topLeagues.size(), 3)));
    ProgramBuilder drawProgram;
    for (size_t i = 0; i < topLeagues.size(); ++i) {
        drawProgram.TabXToY(topLeagues[i], 1, i < 6 ? 2 : 1);
    }
    draw.program = drawProgram.Take();

    DefinitionNode quarter =
        RoundNode(Id(kind, kStageQuarterFinal), "Copa del Sur quarter-final", 226, 240, kTwoLegs);
    std::vector<DefinitionNode> groups;
    ProgramBuilder quarterProgram;
    for (size_t g = 0; g < 4; ++g) {
        DefinitionNode group = GroupNode(Id(kind, kStageGroup1 + static_cast<uint32_t>(g)),
                                         "Copa del Sur grupo " + std::to_string(g + 1), 4,
                                         {65, 86, 107, 121, 135, 149}, {});
        group.program =
            ProgramBuilder()
                .Pool(draw.id, static_cast<int32_t>(g) * 4 + 1, static_cast<int32_t>(g) * 4 + 4)
                .Take();
        Link(draw, group);
        Link(group, quarter);
        quarterProgram.TabXToY(group.id, 1, 2);
        groups.push_back(std::move(group));
    }
    quarter.program = quarterProgram.Take();
    DefinitionNode semi =
        RoundNode(Id(kind, kStageSemiFinal), "Copa del Sur semi-final", 268, 282, kTwoLegs);
    DefinitionNode final =
        RoundNode(Id(kind, kStageFinal), "Copa del Sur final", 303, 317, kTwoLegs);
    Chain({&quarter, &semi, &final});
    DefinitionNode worldClub = RoundNode(Id(CompetitionKind::kWorldClubChamp, kStageFinal),
                                         "Intercontinental Cup", 165, 0, kFinalFlags);
    Link(final, worldClub);
    worldClub.program = ProgramBuilder()
                            .Winner(Id(CompetitionKind::kChampionsLeague, kStageFinal))
                            .Winner(final.id)
                            .Take();

    nodes.push_back(std::move(draw));
    for (DefinitionNode& group : groups) {
        nodes.push_back(std::move(group));
    }
    nodes.push_back(std::move(quarter));
    nodes.push_back(std::move(semi));
    nodes.push_back(std::move(final));
    nodes.push_back(std::move(worldClub));
    return Finish(std::move(nodes));
}

DefinitionFile EuropeanChampionship(const std::vector<SampleCountry>& countries) {
    const uint32_t quali = CompetitionKind::kQualiEc;
    const uint32_t finals = CompetitionKind::kEuroCup;
    constexpr size_t kGroups = 8;
    std::vector<std::vector<uint32_t>> groupTeams(kGroups);
    size_t next = 0;
    for (const SampleCountry& country : countries) {
        if (country.continent == kEurope) {
            groupTeams[next % kGroups].push_back((static_cast<uint32_t>(country.number) << 16) |
                                                 kNationalTeam);
            ++next;
        }
    }
    std::vector<DefinitionNode> nodes;
    DefinitionNode draw = PoolNode(Id(quali, kStageRound1), static_cast<int32_t>(next),
                                   static_cast<int32_t>(kGroups), kSortNationalRanking, {});
    draw.program = ProgramBuilder().Plain(ProgramOpcode::kGetNatUefa5WithoutHost).Take();

    DefinitionNode finalDraw = PoolNode(Id(finals, kStageRound1), 16, 4, kSortNationalRanking, {});
    ProgramBuilder finalDrawProgram;
    finalDrawProgram.Plain(ProgramOpcode::kGetHost);
    std::vector<DefinitionNode> qualiGroups;
    int32_t first = 1;
    for (size_t g = 0; g < kGroups; ++g) {
        const int32_t size = static_cast<int32_t>(groupTeams[g].size());
        DefinitionNode group = GroupNode(
            Id(quali, kStageGroupA + static_cast<uint32_t>(g)),
            GroupName("EC qualification group ", g), size,
            {67, 71, 95, 99, 109, 113, 256, 260, 291, 295, 333, 337, 340, 344}, groupTeams[g]);
        group.program = ProgramBuilder().Pool(draw.id, first, first + size - 1).Take();
        first += size;
        Link(draw, group);
        Link(group, finalDraw);
        finalDrawProgram.TabXToY(group.id, 1, 1);
        qualiGroups.push_back(std::move(group));
    }
    finalDraw.program = finalDrawProgram.NatUefa5WithHost(draw.id, 2, 2).Take();

    DefinitionNode quarter = RoundNode(Id(finals, kStageQuarterFinal),
                                       "European Championship quarter-final", 366, 0, kDecider);
    std::vector<DefinitionNode> finalGroups;
    ProgramBuilder quarterProgram;
    for (size_t g = 0; g < 4; ++g) {
        DefinitionNode group = GroupNode(Id(finals, kStageGroupA + static_cast<uint32_t>(g)),
                                         GroupName("European Championship group ", g), 4,
                                         {345, 348, 351, 354, 357, 360}, {});
        group.program = ProgramBuilder()
                            .Pool(finalDraw.id, static_cast<int32_t>(g) * 4 + 1,
                                  static_cast<int32_t>(g) * 4 + 4)
                            .Take();
        Link(finalDraw, group);
        Link(group, quarter);
        quarterProgram.TabXToY(group.id, 1, 2);
        finalGroups.push_back(std::move(group));
    }
    quarter.program = quarterProgram.Take();
    DefinitionNode semi = RoundNode(Id(finals, kStageSemiFinal), "European Championship semi-final",
                                    372, 0, kDecider);
    DefinitionNode final =
        RoundNode(Id(finals, kStageFinal), "European Championship final", 378, 0, kFinalFlags);
    Chain({&quarter, &semi, &final});

    nodes.push_back(std::move(draw));
    for (DefinitionNode& group : qualiGroups) {
        nodes.push_back(std::move(group));
    }
    nodes.push_back(std::move(finalDraw));
    for (DefinitionNode& group : finalGroups) {
        nodes.push_back(std::move(group));
    }
    nodes.push_back(std::move(quarter));
    nodes.push_back(std::move(semi));
    nodes.push_back(std::move(final));
    return Finish(std::move(nodes));
}

DefinitionFile WorldCup() {
    const uint32_t kind = CompetitionKind::kWorldCup;
    std::vector<DefinitionNode> nodes;
    DefinitionNode draw = PoolNode(Id(kind, kStageRound1), 32, 8, kSortWestEast, {});
    draw.program = ProgramBuilder()
                       .Plain(ProgramOpcode::kGetNatSouthAmerica)
                       .Plain(ProgramOpcode::kGetNatAmerica)
                       .Plain(ProgramOpcode::kGetNatAfrica)
                       .Plain(ProgramOpcode::kGetNatAsia)
                       .Plain(ProgramOpcode::kGetNatOceania)
                       .Plain(ProgramOpcode::kGetNatUefa5WithoutHost)
                       .Plain(ProgramOpcode::kGetHost)
                       .Uefa5ChampOrFinalist(1, Id(CompetitionKind::kEuroCup, kStageFinal))
                       .Take();
    DefinitionNode knockout = CupNode(Id(kind, 0), "World Cup finals",
                                      SampleScheme::kWorldCupFinals, {367, 372, 377, 384});
    std::vector<DefinitionNode> groups;
    ProgramBuilder knockoutProgram;
    for (size_t g = 0; g < 8; ++g) {
        DefinitionNode group =
            GroupNode(Id(kind, kStageGroupA + static_cast<uint32_t>(g)),
                      GroupName("World Cup group ", g), 4, {343, 347, 351, 355, 359, 363}, {});
        group.program =
            ProgramBuilder()
                .Pool(draw.id, static_cast<int32_t>(g) * 4 + 1, static_cast<int32_t>(g) * 4 + 4)
                .Take();
        Link(draw, group);
        Link(group, knockout);
        knockoutProgram.TabXToY(group.id, 1, 2);
        groups.push_back(std::move(group));
    }
    knockout.program = knockoutProgram.Take();
    nodes.push_back(std::move(draw));
    for (DefinitionNode& group : groups) {
        nodes.push_back(std::move(group));
    }
    nodes.push_back(std::move(knockout));
    return Finish(std::move(nodes));
}

DefinitionFile IndoorTournament() {
    const uint32_t kind = CompetitionKind::kIndoor;
    // The indoor tournament belongs to no country: its IDs carry country 0.
    DefinitionNode draw = PoolNode(Id(kind, 0, 0), 6, 1, kSortIndoor, {});
    draw.program = ProgramBuilder().TabLevelIndoor(0, 1, 6).Take();
    DefinitionNode tournament = GroupNode(Id(kind, 1, 0), "Indoor tournament", 6,
                                          {176, 177, 178, 179, 180, 183, 184, 185, 186, 187}, {});
    tournament.relegationRule = RelegationRule::kIndoor;
    tournament.program = ProgramBuilder().InternationalTabLevel(draw.id, 0, 1, 6).Take();
    Link(draw, tournament);
    std::vector<DefinitionNode> nodes;
    nodes.push_back(std::move(draw));
    nodes.push_back(std::move(tournament));
    return Finish(std::move(nodes));
}

} // namespace

std::array<DefinitionFile, 5>
MakeSampleInternationalDefinitions(const std::vector<SampleCountry>& countries) {
    return {EuropeanCups(), SouthAmericanCup(countries), EuropeanChampionship(countries),
            WorldCup(), IndoorTournament()};
}

} // namespace tallo::sample
