// The sample's script folder: the cup schemes and the international definition files read back
// as they were made, and load into a world as the editor loads them.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "app/load_preparation.h"
#include "app/world_internationals.h"
#include "competitions/competition_id.h"
#include "competitions/competition_keywords.h"
#include "competitions/cup_alloc.h"
#include "competitions/db_cup.h"
#include "competitions/db_league_base.h"
#include "competitions/db_round.h"
#include "competitions/international_competitions.h"
#include "sample_script_folder.h"
#include "sample_test_support.h"
#include "support/temp_dir.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {
namespace {

using test::ReadFile;
using test::TempDir;

TEST(SampleScriptFolder, DefinitionFilesReadBackAsTheyWereMade) {
    TempDir dir;
    const std::vector<sample::SampleCountry> countries = sample::MakeSampleCountryList();
    std::string error;
    ASSERT_TRUE(sample::WriteSampleScriptFolder(dir / "script", countries, error)) << error;

    CupAllocFile schemes;
    ASSERT_TRUE(ReadCupAllocFile(dir / "script/CupAlloc.txt", schemes));
    EXPECT_TRUE(schemes == sample::SampleCupSchemes());
    EXPECT_EQ(schemes.schemes.size(), 20u);

    const std::array<DefinitionFile, 5> made =
        sample::MakeSampleInternationalDefinitions(countries);
    size_t nodes = 0;
    std::filesystem::create_directories(dir / "again");
    for (size_t i = 0; i < made.size(); ++i) {
        const InternationalDefinitionFileInfo& info = InternationalDefinitionFiles()[i];
        const std::string name(info.fileName);
        SCOPED_TRACE(name);
        DefinitionFile read;
        ASSERT_TRUE(ReadDefinitionFilePath(dir / ("script/" + name), info.prefix, read,
                                           sample::SampleSchemeRoundCount));
        EXPECT_TRUE(read == made[i]);
        EXPECT_EQ(read.nodes.size(), static_cast<size_t>(read.nodeCount));
        nodes += read.nodes.size();
        // What was read is written back into the same bytes.
        ASSERT_TRUE(WriteDefinitionFilePath(dir / ("again/" + name), info.prefix, read,
                                            sample::SampleSchemeRoundCount));
        EXPECT_EQ(ReadFile(dir / ("again/" + name)), ReadFile(dir / ("script/" + name)));
    }
    EXPECT_EQ(nodes, 55u);
}

TEST(SampleScriptFolder, TheInternationalCompetitionsLoadIntoAWorldWithoutNotes) {
    TempDir dir;
    test::WriteSample(dir.Path(), sample::SampleScale::kSmall, 2);
    auto world = std::make_unique<CWorld>();
    LoadPreparation prepared = PrepareForLoad(*world, dir.Path());
    ASSERT_TRUE(prepared.cupSchemesRead);
    EXPECT_EQ(prepared.highestCupScheme, sample::SampleScheme::kHighest);
    for (uint32_t scheme = 1; scheme <= sample::SampleScheme::kHighest; ++scheme) {
        ASSERT_TRUE(CupSchemes().Scheme(scheme).has_value()) << scheme;
        EXPECT_EQ(CupSchemes().Scheme(scheme)->RequiredMatchdays(),
                  sample::SampleSchemeMatchdays(scheme))
            << scheme;
    }
    ASSERT_TRUE(world->LoadAll(dir / "database"));

    WorldInternationals holder;
    EXPECT_EQ(LoadInternationalCompetitions(*world, dir.Path(), holder, prepared), 55);
    EXPECT_TRUE(prepared.internationalNotes.empty()) << prepared.internationalNotes.front();

    const auto* final = dynamic_cast<const CDBRound*>(
        world->FindCompetition(CompetitionId::Make(250, CompetitionKind::kChampionsLeague, 8)));
    ASSERT_NE(final, nullptr);
    EXPECT_EQ(final->FirstLegDay(), 330);
    EXPECT_EQ(final->SecondLegDay(), 0);
    // The UEFA cup plays the fifteen matchdays of its scheme; its links are all there.
    const auto* uefa = dynamic_cast<const CDBCup*>(
        world->FindCompetition(CompetitionId::Make(250, CompetitionKind::kUefaCup, 0)));
    ASSERT_NE(uefa, nullptr);
    EXPECT_EQ(uefa->RequiredMatchdays(), 15);
    EXPECT_EQ(uefa->OwnProblems(0), 0u);
    // A qualification group of seven national teams, each playing the others twice.
    const auto* group = dynamic_cast<const CDBLeagueBase*>(
        world->FindCompetition(CompetitionId::Make(250, CompetitionKind::kQualiEc, 9)));
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->Size(), 7);
    EXPECT_EQ(group->TeamCount(), 7);
    EXPECT_TRUE(ClubId::IsNationalTeam(group->TeamAt(0)));
    EXPECT_TRUE(group->Fixtures().IsComplete());
    EXPECT_EQ(group->OwnProblems(0), 0u);
    // The indoor tournament belongs to no root; the others to the international root.
    const CDBCompetition* indoor =
        world->FindCompetition(CompetitionId::Make(0, CompetitionKind::kIndoor, 1));
    ASSERT_NE(indoor, nullptr);
    EXPECT_EQ(indoor->Owner(), 0u);
    EXPECT_EQ(final->Owner(), CInternationalCompetitions::kRootId);
}

} // namespace
} // namespace tallo
