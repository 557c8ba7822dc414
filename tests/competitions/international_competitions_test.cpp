#include "competitions/international_competitions.h"

#include "competitions/competition_id.h"
#include "competitions/cup_alloc.h"
#include "competitions/db_root.h"
#include "competitions/scheme_services.h"
#include "support/temp_dir.h"
#include "world/file_version.h"
#include "world/world.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace tallo {
namespace {

using test::FixturePath;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

std::vector<uint32_t> Links(const CDBCompetition::LinkList& links) {
    std::vector<uint32_t> ids;
    for (uint32_t id : links) {
        if (id == 0) {
            break;
        }
        ids.push_back(id);
    }
    return ids;
}

class InternationalCompetitionsTest : public testing::Test {
protected:
    void SetUp() override {
        ProgramTable().Clear();
        CupSchemes().Clear();
        // The script folder: the cup schemes and the five definition files, named in other
        // cases than the program asks for.
        WriteFile(script_ / "cupalloc.txt", ReadFile(FixturePath("cup_alloc/CupAlloc.txt")));
        for (const InternationalDefinitionFileInfo& info : InternationalDefinitionFiles()) {
            std::string lower(info.fileName);
            std::transform(lower.begin(), lower.end(), lower.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            WriteFile(script_ / lower,
                      ReadFile(FixturePath("international/" + std::string(info.fileName))));
        }
        ASSERT_TRUE(LoadCupSchemes(script_.Path()));
        InstallCupSchemeServices();
    }
    void TearDown() override {
        SetCupSchemeServices({});
        CupSchemes().Clear();
        ProgramTable().Clear();
    }

    TempDir script_;
    CWorld world_;
};

// The nodes the loader enters into the world are the ones the plain reader finds in the files:
// same IDs, owners, links and programs.
TEST_F(InternationalCompetitionsTest, LoadsEveryFileIntoTheWorld) {
    FileVersion::SetLoaded(0x20040006u);
    CInternationalCompetitions international(&world_);
    std::vector<std::string> notes;
    EXPECT_EQ(international.Load(script_.Path(), &notes), 11);
    EXPECT_EQ(FileVersion::Loaded(), 0x20040006u);

    CDBRoot* root = international.Root();
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(world_.FindCompetition(CInternationalCompetitions::kRootId), root);
    EXPECT_EQ(international.Nodes().size(), 12u);

    for (const InternationalDefinitionFileInfo& info : InternationalDefinitionFiles()) {
        DefinitionFile data;
        ASSERT_TRUE(ReadDefinitionFilePath(
            FixturePath("international/" + std::string(info.fileName)), info.prefix, data));
        for (const DefinitionNode& plain : data.nodes) {
            SCOPED_TRACE(CompetitionId::ToText(plain.id));
            const CDBCompetition* node = world_.FindCompetition(plain.id);
            ASSERT_NE(node, nullptr);
            EXPECT_EQ(node->Owner(), info.ownedByRoot ? CInternationalCompetitions::kRootId : 0u);
            EXPECT_EQ(Links(node->Predecessors()), plain.predecessors);
            EXPECT_EQ(Links(node->Successors()), plain.successors);
            DefinitionNodeType type = DefinitionNodeType::kLeague;
            ASSERT_TRUE(DefinitionNodeTypeOf(plain.typeLine, type));
            if (type == DefinitionNodeType::kCup && plain.scheme != 0) {
                // A cup runs its scheme's program, made for its country and level (the first
                // predecessor is no league, so level 0).
                const std::vector<ProgramEntry> program =
                    ProgramTable().Program(node->ProgramIndex());
                ASSERT_EQ(program.size(), 4u);
                EXPECT_EQ(program[0], (ProgramEntry{8, CompetitionId::Make(250, 0, 0), 0, 1, 3}));
            } else {
                EXPECT_EQ(ProgramTable().EntriesAsRead(node->ProgramIndex()), plain.program);
            }
            if (!plain.name.empty()) {
                // Read in the oldest form: the short name comes from the name.
                EXPECT_EQ(node->ShortName(), plain.name.substr(0, 16));
            }
        }
    }

    // The group's days are entered in the European table, the South American final (day 380)
    // in its own; the indoor days go nowhere.
    EXPECT_EQ(international.DayTypes(InternationalDayTable::kEuropean)[40], 12);
    EXPECT_EQ(international.DayTypes(InternationalDayTable::kSouthAmerican)[380], 20);
    EXPECT_EQ(international.DayTypes(InternationalDayTable::kEuropean)[380], 0);
}

TEST_F(InternationalCompetitionsTest, LoadingAgainReplacesAndDestructionUnregisters) {
    {
        CInternationalCompetitions international(&world_);
        ASSERT_EQ(international.Load(script_.Path()), 11);
        std::vector<std::string> notes;
        EXPECT_EQ(international.Load(script_.Path(), &notes), 11);
        for (const std::string& note : notes) {
            EXPECT_EQ(note.find("exists already"), std::string::npos) << note;
        }
        EXPECT_EQ(international.Nodes().size(), 12u);
    }
    EXPECT_EQ(world_.FindCompetition(CInternationalCompetitions::kRootId), nullptr);
    EXPECT_EQ(world_.FindCompetition(CompetitionId::Make(250, 9, 9)), nullptr);
}

TEST_F(InternationalCompetitionsTest, MissingOrDamagedFilesLeaveTheRootAndWhatCouldBeRead) {
    TempDir empty;
    CInternationalCompetitions international(&world_);
    EXPECT_EQ(international.Load(empty.Path()), 0);
    EXPECT_NE(international.Root(), nullptr);

    // A truncated file keeps the nodes before the cut, and the other files load as usual.
    const std::string european = ReadFile(FixturePath("international/EuropeanCup.txt"));
    WriteFile(script_ / "europeancup.txt", european.substr(0, european.find("%INDEX%EURO3")));
    WriteFile(script_ / "wc.txt", "2147483647\r\n%INDEX%WORLD_CUP0\r\n");
    std::vector<std::string> notes;
    EXPECT_EQ(international.Load(script_.Path(), &notes), 2 + 2 + 1 + 2);
    EXPECT_FALSE(notes.empty());
    EXPECT_NE(world_.FindCompetition(CompetitionId::Make(250, 9, 9)), nullptr);
    EXPECT_EQ(world_.FindCompetition(CompetitionId::Make(250, 9, 17)), nullptr);
}

TEST_F(InternationalCompetitionsTest, LegDaysOutsideTheSeasonAreLeftOut) {
    WriteFile(script_ / "wc.txt", "1\r\n%INDEX%WORLD_CUP0\r\nDB_ROUND\r\n{ 250, WORLD_CUP, 8 }\r\n"
                                  "Final\r\n0\r\n99999\r\n0\r\n-5\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"
                                  "0\r\n0\r\n0\r\n%INDEXEND%WORLD_CUP0\r\n");
    CInternationalCompetitions international(&world_);
    international.Load(script_.Path());
    const CDBCompetition* final = world_.FindCompetition(CompetitionId::Make(250, 17, 8));
    ASSERT_NE(final, nullptr);
    EXPECT_EQ(final->MatchdayDays(), 0);
    const DayTypeTable& table = international.DayTypes(InternationalDayTable::kWorldCup);
    EXPECT_TRUE(std::all_of(table.begin(), table.end(), [](int8_t code) { return code == 0; }));
}

} // namespace
} // namespace tallo
