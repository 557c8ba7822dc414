// Reads the input as one of the five international definition files of the script folder,
// first as plain data, then as competition nodes loaded into a world.
//
// The plain data keeps the format's limits, and what is writable reads back the same (written,
// read and written again, the text is the same). Loaded into a world, every node the
// international competitions hold is entered in the world's competition index, and when they
// are dropped the index is as before.
//
// The cup schemes are those of tests/fixtures/cup_alloc/CupAlloc.txt, installed afresh for
// every input together with an empty program table, so that the process-wide tables do not
// grow from one input to the next.
//
// Input layout (libFuzzer's data provider): the last byte chooses the file (its value modulo
// 5, in load order); the rest is the file.

#include "competitions/cup_alloc.h"
#include "competitions/db_competition.h"
#include "competitions/international_competitions.h"
#include "competitions/international_definitions.h"
#include "competitions/qualification_program.h"
#include "competitions/scheme_services.h"
#include "formats/kl_file.h"
#include "fuzz_support.h"
#include "world/file_version.h"
#include "world/world.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <memory>
#include <string>

namespace tallo::fuzz {
namespace {

struct Tables {
    CupAllocFile schemes;
    std::unique_ptr<CWorld> world;
    std::string scriptFolder;
};

Tables& Setup() {
    static Tables* tables = [] {
        auto* made = new Tables;
        TALLO_FUZZ_CHECK(
            ReadCupAllocFile(SourcePath("tests/fixtures/cup_alloc/CupAlloc.txt"), made->schemes));
        InstallCupSchemeServices();
        made->world = std::make_unique<CWorld>();
        made->world->LoadCountryList(Scratch() / "no-countries.sav");
        made->scriptFolder = Scratch() / "script";
        TALLO_FUZZ_CHECK(mkdir(made->scriptFolder.c_str(), 0700) == 0);
        return made;
    }();
    return *tables;
}

std::string Written(std::string_view prefix, const DefinitionFile& data) {
    CKLFile file;
    TALLO_FUZZ_CHECK(file.OpenForWrite("unused.txt"));
    TALLO_FUZZ_CHECK(WriteDefinitionFile(file, prefix, data));
    std::string text = file.WrittenText();
    file.AbandonWrite();
    return text;
}

DefinitionFile Read(std::string_view prefix, const std::string& text) {
    CKLFile file;
    TALLO_FUZZ_CHECK(file.OpenFromMemory(text));
    FileVersion::SetLoaded(0);
    DefinitionFile data;
    TALLO_FUZZ_CHECK(ReadDefinitionFile(file, prefix, data));
    return data;
}

void CheckPlainData(std::string_view prefix, const std::string& text) {
    const DefinitionFile read = Read(prefix, text);
    TALLO_FUZZ_CHECK(read.nodeCount >= 0 && read.nodeCount <= kMaxDefinitionNodes);
    TALLO_FUZZ_CHECK(read.nodes.size() <= static_cast<size_t>(read.nodeCount));
    int32_t previous = -1;
    for (const DefinitionNode& node : read.nodes) {
        TALLO_FUZZ_CHECK(node.section > previous && node.section < read.nodeCount);
        previous = node.section;
        DefinitionNodeType type;
        TALLO_FUZZ_CHECK(DefinitionNodeTypeOf(node.typeLine, type));
        TALLO_FUZZ_CHECK(node.teams.size() <= kMaxDefinitionListItems);
        TALLO_FUZZ_CHECK(node.predecessors.size() <= kMaxDefinitionListItems);
        TALLO_FUZZ_CHECK(node.successors.size() <= kMaxDefinitionListItems);
        TALLO_FUZZ_CHECK(node.roundValues.size() <= static_cast<size_t>(kMaxCupSchemeRows));
    }
    std::string problem;
    if (!DefinitionFileIsWritable(read, LoadedSchemeRoundCount, &problem)) {
        if (std::getenv("TALLO_FUZZ_VERBOSE") != nullptr) {
            std::fprintf(stderr, "not writable: %s\n", problem.c_str());
        }
        return;
    }
    const std::string first = Written(prefix, read);
    const DefinitionFile back = Read(prefix, first);
    TALLO_FUZZ_CHECK(back == read);
    CheckSameText(first, Written(prefix, back), "definition file written, read and written again");
}

void CheckLoaded(CWorld& world, const std::string& scriptFolder) {
    const size_t before = world.Competitions().size();
    {
        CInternationalCompetitions competitions(&world);
        std::vector<std::string> notes;
        const int loaded = competitions.Load(scriptFolder, &notes);
        TALLO_FUZZ_CHECK(loaded >= 0);
        const std::vector<CDBCompetition*> nodes = competitions.Nodes();
        TALLO_FUZZ_CHECK(nodes.size() == static_cast<size_t>(loaded) + 1);
        TALLO_FUZZ_CHECK(competitions.Root() != nullptr);
        for (CDBCompetition* node : nodes) {
            TALLO_FUZZ_CHECK(world.FindCompetition(node->Id()) == node);
        }
        TALLO_FUZZ_CHECK(world.Competitions().size() == before + nodes.size());
        // Loading again drops the nodes of the first load first.
        TALLO_FUZZ_CHECK(competitions.Load(scriptFolder) == loaded);
        TALLO_FUZZ_CHECK(world.Competitions().size() == before + nodes.size());
    }
    TALLO_FUZZ_CHECK(world.Competitions().size() == before);
}

} // namespace
} // namespace tallo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tallo;
    using namespace tallo::fuzz;
    Tables& tables = Setup();
    ProgramTable().Clear();
    CupSchemes().Install(tables.schemes, ProgramTable());

    FuzzedDataProvider input(data, size);
    const auto& files = InternationalDefinitionFiles();
    const InternationalDefinitionFileInfo& info =
        files[input.ConsumeIntegral<uint8_t>() % files.size()];
    const std::string text = input.ConsumeRemainingBytesAsString();

    CheckPlainData(info.prefix, text);

    const std::string path = tables.scriptFolder + "/" + std::string(info.fileName);
    WriteScratchFile(path, text);
    CheckLoaded(*tables.world, tables.scriptFolder);
    std::remove(path.c_str());
    return 0;
}
