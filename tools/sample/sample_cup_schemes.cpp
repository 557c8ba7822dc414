// The cup schemes of the sample's CupAlloc.txt: the rounds of every cup and their
// qualification programs.

#include <initializer_list>

#include "competitions/competition_id.h"
#include "competitions/competition_keywords.h"
#include "sample_program_builder.h"
#include "sample_script_folder.h"

namespace tallo::sample {

namespace {

// How a round is played.
constexpr uint32_t kSingle = MatchFlag::kWithExtraTime | MatchFlag::kWithPenalty;
constexpr uint32_t kTwoLegs =
    MatchFlag::k2ndLeg | MatchFlag::kWithExtraTime | MatchFlag::kWithPenalty;
constexpr uint32_t kReplay = MatchFlag::kWithReplay;
constexpr uint32_t kFinalTie = kSingle | MatchFlag::kWithoutAwayGoal;

struct Round {
    int32_t kind;
    uint32_t flags;
};

// The rows of a scheme: value a is the number of teams a round starts with (halved from round
// to round), value b of the first row the number of rounds; the other values stay 0.
std::vector<CupSchemeRow> Rows(int32_t firstRoundTeams, std::initializer_list<Round> rounds) {
    std::vector<CupSchemeRow> rows;
    int32_t teams = firstRoundTeams;
    for (const Round& round : rounds) {
        CupSchemeRow row;
        row.a = teams;
        row.b = rows.empty() ? static_cast<int32_t>(rounds.size()) : 0;
        row.kind = round.kind;
        row.flags = round.flags;
        rows.push_back(row);
        teams = teams > 2 ? teams / 2 : 2;
    }
    return rows;
}

uint32_t OwnLeague() {
    // Country 0: the country of the cup is put in when the program is copied for a cup.
    return CompetitionId::Make(0, CompetitionKind::kLeague, 0);
}

uint32_t OwnCup() {
    return CompetitionId::Make(0, CompetitionKind::kFaCup, 0);
}

CupAllocFile MakeSchemes() {
    using namespace RoundKind;
    CupAllocFile file;
    file.highest = SampleScheme::kHighest;
    auto add = [&file](uint32_t number, std::vector<CupSchemeRow> rows,
                       std::vector<ProgramEntry> program) {
        file.schemes[static_cast<int32_t>(number)] =
            CupSchemeDefinition{std::move(rows), std::move(program)};
    };

    add(SampleScheme::kGermanCup,
        Rows(64, {{kRound1, kSingle},
                  {kRound2, kSingle},
                  {kLast16, kSingle},
                  {kQuarterFinal, kSingle},
                  {kSemiFinal, kSingle},
                  {kFinal, kFinalTie}}),
        ProgramBuilder()
            .TabLevel(-1, 1, 18)
            .TabLevel(-2, 1, 18)
            .TabLevelStart(2, 1, 4)
            .TabSpare()
            .Take());
    add(SampleScheme::kEnglishCup,
        Rows(128, {{kRound1, kReplay},
                   {kRound2, kReplay},
                   {kRound3, kReplay},
                   {kRound4, kReplay},
                   {kQuarterFinal, kReplay},
                   {kSemiFinal, kSingle},
                   {kFinal, kFinalTie}}),
        ProgramBuilder()
            .TabLevel(-1, 1, 20)
            .TabLevel(-2, 1, 24)
            .TabLevelStart(2, 1, 24)
            .TabSpare()
            .Take());
    add(SampleScheme::kFrenchCup,
        Rows(128, {{kPreRound1, kSingle},
                   {kRound1, kSingle},
                   {kRound2, kSingle},
                   {kLast16, kSingle},
                   {kQuarterFinal, kSingle},
                   {kSemiFinal, kSingle},
                   {kFinal, kFinalTie}}),
        ProgramBuilder()
            .TabLevel(-1, 1, 20)
            .TabLevel(-2, 1, 20)
            .TabLevelStart(2, 1, 16)
            .TabSpare()
            .Take());
    add(SampleScheme::kSpanishCup,
        Rows(32, {{kRound1, kTwoLegs},
                  {kLast16, kTwoLegs},
                  {kQuarterFinal, kTwoLegs},
                  {kSemiFinal, kTwoLegs},
                  {kFinal, kFinalTie}}),
        ProgramBuilder().TabLevel(-1, 1, 20).TabLevel(-2, 1, 12).Take());
    add(SampleScheme::kItalianCup,
        Rows(32, {{kRound1, kSingle},
                  {kRound2, kSingle},
                  {kQuarterFinal, kTwoLegs},
                  {kSemiFinal, kTwoLegs},
                  {kFinal, kTwoLegs}}),
        ProgramBuilder().TabLevel(-1, 1, 18).TabLevel(-2, 1, 14).Take());
    add(SampleScheme::kGermanLeagueCup,
        Rows(8, {{kQuarterFinal, kSingle}, {kSemiFinal, kSingle}, {kFinal, kFinalTie}}),
        ProgramBuilder().TabLevel(-1, 1, 6).Uefa5SureUic(1, 1).Take());
    add(SampleScheme::kEnglishLeagueCup,
        Rows(64, {{kRound1, kSingle},
                  {kRound2, kSingle},
                  {kRound3, kSingle},
                  {kRound4, kSingle},
                  {kQuarterFinal, kSingle},
                  {kSemiFinal, kTwoLegs},
                  {kFinal, kFinalTie}}),
        ProgramBuilder().TabLevel(-1, 1, 20).TabLevel(-2, 1, 24).TabLevelStart(2, 1, 24).Take());
    add(SampleScheme::kFrenchLeagueCup,
        Rows(32, {{kRound1, kSingle},
                  {kLast16, kSingle},
                  {kQuarterFinal, kSingle},
                  {kSemiFinal, kSingle},
                  {kFinal, kFinalTie}}),
        ProgramBuilder().TabLevel(-1, 1, 20).TabLevel(-2, 1, 12).Take());
    add(SampleScheme::kUefaCup,
        Rows(128, {{kQuali, kTwoLegs},
                   {kRound1, kTwoLegs},
                   {kRound2, kTwoLegs},
                   {kRound3, kTwoLegs},
                   {kLast16, kTwoLegs},
                   {kQuarterFinal, kTwoLegs},
                   {kSemiFinal, kTwoLegs},
                   {kFinal, kFinalTie}}),
        {});
    add(SampleScheme::kIntertotoCup,
        Rows(64,
             {{kRound1, kTwoLegs}, {kRound2, kTwoLegs}, {kRound3, kTwoLegs}, {kFinal, kTwoLegs}}),
        {});
    add(SampleScheme::kEnglandPlayOff1, Rows(4, {{kSemiFinal, kTwoLegs}, {kFinal, kFinalTie}}),
        ProgramBuilder().TabLevel(-2, 3, 6).Take());
    add(SampleScheme::kEnglandPlayOff2, Rows(4, {{kSemiFinal, kTwoLegs}, {kFinal, kFinalTie}}),
        ProgramBuilder().TabLevel(-2, 4, 7).Take());
    add(SampleScheme::kChallengeShield, Rows(2, {{kFinal, kFinalTie}}),
        ProgramBuilder().Champ(OwnLeague()).Winner(OwnCup()).Take());
    add(SampleScheme::kConferenceCup,
        Rows(8, {{kQuarterFinal, kSingle}, {kSemiFinal, kSingle}, {kFinal, kFinalTie}}),
        ProgramBuilder().TabLevelStart(1, 1, 8).Take());
    add(SampleScheme::kSuperCupFirstHalf, Rows(2, {{kFinal, kFinalTie}}),
        ProgramBuilder().Champ(OwnLeague()).Winner(OwnCup()).Take());
    add(SampleScheme::kSuperCupSecondHalf, Rows(2, {{kFinal, kFinalTie}}),
        ProgramBuilder().Champ(OwnLeague()).Winner(OwnCup()).TabXToY(OwnLeague(), 2, 2).Take());
    add(SampleScheme::kSouthAmericanCup,
        Rows(16, {{kLast16, kTwoLegs},
                  {kQuarterFinal, kTwoLegs},
                  {kSemiFinal, kTwoLegs},
                  {kFinal, kTwoLegs}}),
        {});
    add(SampleScheme::kWorldCupFinals,
        Rows(16, {{kLast16, kSingle},
                  {kQuarterFinal, kSingle},
                  {kSemiFinal, kSingle},
                  {kFinal, kFinalTie}}),
        {});
    add(SampleScheme::kSwissPlayOff, Rows(2, {{kFinal, kTwoLegs}}),
        ProgramBuilder().TabLevel(-1, 9, 9).TabLevel(-2, 2, 2).Take());
    add(SampleScheme::kEnglandPlayOff3, Rows(2, {{kFinal, kFinalTie}}),
        ProgramBuilder().TabLevel(-1, 20, 20).TabLevel(-2, 2, 2).Take());
    return file;
}

} // namespace

const CupAllocFile& SampleCupSchemes() {
    static const CupAllocFile schemes = MakeSchemes();
    return schemes;
}

std::vector<CupSchemeRow> SampleSchemeRounds(uint32_t scheme) {
    const auto& schemes = SampleCupSchemes().schemes;
    auto found = schemes.find(static_cast<int32_t>(scheme));
    return found != schemes.end() ? found->second.rows : std::vector<CupSchemeRow>();
}

int32_t SampleSchemeMatchdays(uint32_t scheme) {
    int32_t matchdays = 0;
    for (const CupSchemeRow& row : SampleSchemeRounds(scheme)) {
        matchdays += (row.flags & (MatchFlag::k2ndLeg | MatchFlag::kWithReplay)) != 0 ? 2 : 1;
    }
    return matchdays;
}

int32_t SampleSchemeRoundCount(uint32_t scheme) {
    return static_cast<int32_t>(SampleSchemeRounds(scheme).size());
}

} // namespace tallo::sample
