// Reads the input as CupAlloc.txt (the cup schemes), installs the schemes into a table of
// their own and asks it for every scheme's rounds, matchdays and program.
//
// What was read keeps the limits of the format (highest scheme number, eight rows a scheme),
// and can be written so that it reads back the same, unless a row line would outgrow the
// line limit (the only thing the reader lets through that the writer refuses): written, read
// and written again, the text is the same.

#include "competitions/cup_alloc.h"
#include "competitions/qualification_program.h"
#include "formats/kl_file.h"
#include "fuzz_support.h"

#include <string>

namespace tallo::fuzz {
namespace {

std::string Written(const CupAllocFile& data) {
    CKLFile file;
    TALLO_FUZZ_CHECK(file.OpenForWrite("unused.txt"));
    TALLO_FUZZ_CHECK(WriteCupAlloc(file, data));
    std::string text = file.WrittenText();
    file.AbandonWrite();
    return text;
}

CupAllocFile Read(const std::string& text) {
    CKLFile file;
    TALLO_FUZZ_CHECK(file.OpenFromMemory(text));
    CupAllocFile data;
    TALLO_FUZZ_CHECK(ReadCupAlloc(file, data));
    return data;
}

void CheckInstalled(const CupAllocFile& data) {
    CCupSchemeTable table;
    CProgramTable programs;
    table.Install(data, programs);
    TALLO_FUZZ_CHECK(table.Highest() == data.highest);
    TALLO_FUZZ_CHECK(!table.Scheme(0));
    TALLO_FUZZ_CHECK(!table.Scheme(static_cast<uint32_t>(data.highest) + 1));
    for (const auto& [number, definition] : data.schemes) {
        const std::optional<CupScheme> scheme = table.Scheme(static_cast<uint32_t>(number));
        TALLO_FUZZ_CHECK(scheme.has_value());
        TALLO_FUZZ_CHECK(scheme->rowCount == static_cast<int32_t>(definition.rows.size()));
        TALLO_FUZZ_CHECK(scheme->RoundCount() >= 0 && scheme->RoundCount() <= kMaxCupSchemeRows);
        TALLO_FUZZ_CHECK(scheme->RequiredMatchdays() >= scheme->RoundCount() &&
                         scheme->RequiredMatchdays() <= 2 * scheme->RoundCount());
        TALLO_FUZZ_CHECK(programs.EntriesAsRead(scheme->programIndex) == definition.program);
        const uint32_t copy =
            table.InstantiateProgram(static_cast<uint32_t>(number), 7, 2, programs);
        TALLO_FUZZ_CHECK(copy < programs.Size());
        const std::vector<ProgramEntry> copied = programs.Program(copy);
        TALLO_FUZZ_CHECK(!copied.empty() && copied.back().opcode == ProgramOpcode::kEndOfEntry);
    }
}

} // namespace
} // namespace tallo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tallo;
    using namespace tallo::fuzz;
    const CupAllocFile read = Read(std::string(reinterpret_cast<const char*>(data), size));
    TALLO_FUZZ_CHECK(read.highest >= 0 && read.highest <= kMaxCupSchemeNumber);
    for (const auto& [number, scheme] : read.schemes) {
        TALLO_FUZZ_CHECK(number >= 1 && number <= read.highest);
        TALLO_FUZZ_CHECK(scheme.rows.size() <= static_cast<size_t>(kMaxCupSchemeRows));
    }
    CheckInstalled(read);

    std::string problem;
    if (!CupAllocIsWritable(read, &problem)) {
        TALLO_FUZZ_CHECK(problem.find("row line longer") != std::string::npos);
        return 0;
    }
    const std::string first = Written(read);
    const CupAllocFile back = Read(first);
    TALLO_FUZZ_CHECK(back == read);
    CheckSameText(first, Written(back), "CupAlloc.txt written, read and written again");
    return 0;
}
