// Writes the input as a per-language text table into a scratch folder and loads it in the
// layout the input chooses: one of the four tables of the language folder (shoe types,
// special faces, club speech samples, kit colours) or a layout of its own.
//
// A loaded table never holds more rows than its capacity, a row text never more than the line
// limit, and the placeholder row keeps number 0. What was loaded is written again in the
// table's layout and reads back the same.
//
// Input layout (libFuzzer's data provider): the last byte chooses the table (values 0-3) or,
// from 4 on, a layout of its own whose capacity and flags come from the byte before it; the
// rest is the file.

#include "formats/base_text_file.h"
#include "formats/per_language_tables.h"
#include "formats/team_colour_text_file.h"
#include "fuzz_support.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <memory>
#include <string>

namespace tallo::fuzz {
namespace {

TextTableLayout ChosenLayout(uint8_t table, uint8_t shape, bool& teamColours) {
    teamColours = false;
    switch (table) {
    case 0:
        return PerLanguageTables::ShoeLayout();
    case 1:
        return PerLanguageTables::FaceLayout();
    case 2:
        return PerLanguageTables::ClubSpeechLayout();
    case 3:
        teamColours = true;
        return PerLanguageTables::TeamColourLayout();
    default:
        break;
    }
    TextTableLayout layout;
    layout.capacity = shape & 15;
    layout.twoLinesPerRow = (shape & 16) != 0;
    layout.countLine = (shape & 32) != 0;
    layout.numberFirst = (shape & 64) != 0;
    layout.placeholderString = (shape & 128) != 0 ? PerLanguageTables::kPlaceholderString : 0;
    teamColours = (table & 1) != 0;
    return layout;
}

std::unique_ptr<CBaseTextFile> MakeTable(const TextTableLayout& layout, bool teamColours) {
    if (teamColours) {
        return std::make_unique<CTeamColourTextFile>(layout);
    }
    return std::make_unique<CBaseTextFile>(layout);
}

// The table's rows in its file layout, placeholder row left out (the loader makes it).
std::string TableText(const CBaseTextFile& table, bool teamColours) {
    const TextTableLayout& layout = table.Layout();
    const int32_t first = layout.placeholderString != 0 && layout.capacity > 0 ? 1 : 0;
    std::string text;
    if (layout.countLine) {
        text += std::to_string(table.Count() - first) + "\r\n";
    }
    for (int32_t row = first; row < table.Count(); ++row) {
        std::string rowText = table.Text(row);
        if (teamColours) {
            const auto& colours = static_cast<const CTeamColourTextFile&>(table);
            rowText += "," + std::to_string(colours.SecondNumber(row));
        }
        const std::string number = std::to_string(table.Number(row));
        if (!layout.twoLinesPerRow) {
            text += rowText + "\r\n";
        } else if (layout.numberFirst) {
            text += number + "\r\n" + rowText + "\r\n";
        } else {
            text += rowText + "\r\n" + number + "\r\n";
        }
    }
    return text;
}

void CheckSameTable(const CBaseTextFile& first, const CBaseTextFile& second, bool teamColours) {
    TALLO_FUZZ_CHECK(first.Count() == second.Count());
    for (int32_t row = 0; row < first.Count(); ++row) {
        TALLO_FUZZ_CHECK(first.Number(row) == second.Number(row));
        TALLO_FUZZ_CHECK(first.Text(row) == second.Text(row));
        if (teamColours) {
            TALLO_FUZZ_CHECK(static_cast<const CTeamColourTextFile&>(first).SecondNumber(row) ==
                             static_cast<const CTeamColourTextFile&>(second).SecondNumber(row));
        }
    }
}

} // namespace
} // namespace tallo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tallo;
    using namespace tallo::fuzz;
    FuzzedDataProvider input(data, size);
    const uint8_t table = input.ConsumeIntegral<uint8_t>();
    const uint8_t shape = input.ConsumeIntegral<uint8_t>();
    const std::string file = input.ConsumeRemainingBytesAsString();
    bool teamColours = false;
    const TextTableLayout layout = ChosenLayout(table, shape, teamColours);

    const std::string path = Scratch() / "table.txt";
    WriteScratchFile(path, file);
    std::unique_ptr<CBaseTextFile> loaded = MakeTable(layout, teamColours);
    TALLO_FUZZ_CHECK(loaded->Load(path));
    TALLO_FUZZ_CHECK(loaded->Count() >= 0 && loaded->Count() <= layout.capacity);
    for (int32_t row = 0; row < loaded->Count(); ++row) {
        TALLO_FUZZ_CHECK(loaded->Text(row).size() <= CBaseTextFile::kRowLineLength);
        TALLO_FUZZ_CHECK(loaded->Text(row).find('\n') == std::string::npos);
        TALLO_FUZZ_CHECK(loaded->HasNumber(loaded->Number(row)));
        if (teamColours) {
            TALLO_FUZZ_CHECK(loaded->Text(row).find(',') == std::string::npos);
        }
    }
    if (layout.placeholderString != 0 && layout.capacity > 0) {
        TALLO_FUZZ_CHECK(loaded->Count() >= 1 && loaded->Number(0) == 0);
    }
    // Rows outside the table read as empty.
    TALLO_FUZZ_CHECK(loaded->Number(-1) == 0 && loaded->Text(-1).empty());
    TALLO_FUZZ_CHECK(loaded->Number(loaded->Count()) == 0 && loaded->Text(loaded->Count()).empty());

    const std::string written = TableText(*loaded, teamColours);
    WriteScratchFile(path, written);
    std::unique_ptr<CBaseTextFile> back = MakeTable(layout, teamColours);
    TALLO_FUZZ_CHECK(back->Load(path));
    CheckSameTable(*loaded, *back, teamColours);
    CheckSameText(written, TableText(*back, teamColours), "table written, read and written again");
    return 0;
}
