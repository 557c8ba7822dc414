// Writes the input as countries.sav into a scratch folder and makes a world from it, with the
// competition trees and cup schemes installed as a load prepares them.
//
// Every country gets its national team and a tree; names hold no separator or line break,
// codes at most three characters, continents 0-5. The list written again in its layout reads
// back the same. The country file of one country (its national team named after the list, its
// default cup) survives a save: saved, read into a world made from the same list and saved
// again, it gives the same text.
//
// Input layout (libFuzzer's data provider): the last byte chooses the country whose file is
// saved (1 + its value modulo 206); the rest is the file.

#include "competitions/cup_alloc.h"
#include "competitions/install_competition_trees.h"
#include "competitions/qualification_program.h"
#include "formats/kl_file.h"
#include "fuzz_support.h"
#include "world/club.h"
#include "world/country.h"
#include "world/world.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <memory>
#include <string>

namespace tallo::fuzz {
namespace {

const CupAllocFile& Schemes() {
    static const CupAllocFile* schemes = [] {
        auto* read = new CupAllocFile;
        TALLO_FUZZ_CHECK(
            ReadCupAllocFile(SourcePath("tests/fixtures/cup_alloc/CupAlloc.txt"), *read));
        InstallCompetitionTrees();
        InstallCupSchemeServices();
        return read;
    }();
    return *schemes;
}

// The pieces of a line of names or codes: the first slot's text, which the reader gives every
// slot, then the later slots up to the last that differs from it. Never longer than the line
// the texts were read from, so that it is not cut when it is read again.
template <class Text> std::string PiecesLine(Text text) {
    int last = 0;
    for (int slot = 1; slot < CCountry::kLanguageSlots; ++slot) {
        if (text(slot) != text(0)) {
            last = slot;
        }
    }
    std::string line;
    for (int slot = 0; slot <= last; ++slot) {
        line += std::string(slot > 0 ? "," : "") + std::string(text(slot));
    }
    return line + "\r\n";
}

// The list in its file layout, from what the world holds.
std::string ListText(const CWorld& world) {
    std::string text;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const CCountry& country = *world.GetCountry(number);
        text += PiecesLine([&country](int slot) { return country.Name(slot); });
        text += PiecesLine([&country](int slot) { return country.Abbreviation(slot); });
        text += std::to_string(country.continent) + "\r\n" + std::to_string(country.languages[0]) +
                "\r\n" + std::to_string(country.languages[1]) + "\r\n" +
                std::to_string(country.worldValueG) + "\r\n";
    }
    return text;
}

std::string CountryText(CWorld& world, int number) {
    world.BuildClubRenumbering();
    CKLFile file;
    TALLO_FUZZ_CHECK(file.OpenForWrite("unused.sav"));
    TALLO_FUZZ_CHECK(world.GetCountry(number)->Save(file));
    std::string text = file.WrittenText();
    file.AbandonWrite();
    return text;
}

void CheckWorld(const CWorld& world) {
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const CCountry& country = *world.GetCountry(number);
        TALLO_FUZZ_CHECK(country.continent <= 5);
        TALLO_FUZZ_CHECK(country.mainLanguage == country.languages[0]);
        TALLO_FUZZ_CHECK(country.Competitions() != nullptr);
        TALLO_FUZZ_CHECK(country.GetClubCount() == 1);
        const CClub* team = const_cast<CCountry&>(country).NationalTeam();
        TALLO_FUZZ_CHECK(team != nullptr);
        for (int slot = 0; slot < CCountry::kLanguageSlots; ++slot) {
            const std::string_view name = country.Name(slot);
            TALLO_FUZZ_CHECK(name.find(',') == std::string_view::npos);
            TALLO_FUZZ_CHECK(name.find('\n') == std::string_view::npos);
            TALLO_FUZZ_CHECK(name.find('\x1A') == std::string_view::npos);
            TALLO_FUZZ_CHECK(country.Abbreviation(slot).size() <= 3);
        }
    }
}

} // namespace
} // namespace tallo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tallo;
    using namespace tallo::fuzz;
    const CupAllocFile& schemes = Schemes();
    ProgramTable().Clear();
    CupSchemes().Install(schemes, ProgramTable());

    FuzzedDataProvider input(data, size);
    const int number = 1 + input.ConsumeIntegral<uint8_t>() % CWorld::kCountryCount;
    const std::string text = input.ConsumeRemainingBytesAsString();
    const std::string path = Scratch() / "countries.sav";
    WriteScratchFile(path, text);

    auto world = std::make_unique<CWorld>();
    if (!world->LoadCountryList(path)) {
        // A damaged list is refused with its reason, and no country takes a name from it.
        TALLO_FUZZ_CHECK(!world->CountryListError().empty());
        for (int n = 1; n <= CWorld::kCountryCount; ++n) {
            TALLO_FUZZ_CHECK(world->GetCountry(n)->Name(0).empty());
        }
        return 0;
    }
    CheckWorld(*world);

    // The list written again reads back the same. Not for a list holding a zero byte: a code
    // ends at one (a fixed-width field), and a code made empty that way cannot be written as
    // an empty piece, which the reader skips.
    const std::string list = ListText(*world);
    const std::string again = Scratch() / "countries-again.sav";
    WriteScratchFile(again, list);
    auto back = std::make_unique<CWorld>();
    TALLO_FUZZ_CHECK(back->LoadCountryList(again));
    if (text.find('\0') == std::string::npos) {
        CheckSameText(list, ListText(*back), "country list written, read and written again");
    }

    // One country file through a save and a load.
    const std::string first = CountryText(*world, number);
    CKLFile file;
    TALLO_FUZZ_CHECK(file.OpenFromMemory(first));
    CCountry& country = *back->GetCountry(number);
    TALLO_FUZZ_CHECK(country.Load(file));
    country.RecomputeDetailTotal();
    country.PostLoadCheckClubs();
    CheckSameText(first, CountryText(*back, number), "country file of the list saved twice");
    return 0;
}
