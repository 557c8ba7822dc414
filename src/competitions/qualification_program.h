#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace tallo {

class CKLFile;

// Qualification programs: short lists of instructions, kept with cup schemes and competition
// nodes, that say where a competition's participants come from. The editor only reads, keeps
// and passes them on; the game executes them.
namespace ProgramOpcode {
constexpr int32_t kEndOfEntry = 0;
constexpr int32_t kBuildCounter = 1;
constexpr int32_t kBuildUefa5 = 2;
constexpr int32_t kGetChamp = 3;
constexpr int32_t kGetUefa5Tab = 4;
constexpr int32_t kGetUefa5SureTab = 5;
constexpr int32_t kGetUefa5SureUic = 6;
constexpr int32_t kGetTabXToY = 7;
constexpr int32_t kGetTabLevelXToY = 8;
constexpr int32_t kGetTabSpare = 9;
constexpr int32_t kGetTabLevelStartXToY = 10;
constexpr int32_t kGetUefa5ChampOrFinalist = 11;
constexpr int32_t kGetWinner = 12;
constexpr int32_t kGetLoser = 13;
constexpr int32_t kGetPool = 14;
constexpr int32_t kGetNatUefa5WithHost = 15;
constexpr int32_t kGetNatUefa5WithoutHost = 16;
constexpr int32_t kGetNatSouthAmerica = 17;
constexpr int32_t kGetNatAmerica = 18;
constexpr int32_t kGetNatAfrica = 19;
constexpr int32_t kGetNatAsia = 20;
constexpr int32_t kGetNatOceania = 21;
constexpr int32_t kGetHost = 22;
constexpr int32_t kGetInternationalTabLevelXToY = 23;
constexpr int32_t kGetInternationalSpare = 24;
constexpr int32_t kGetTabLevelIndoor = 25;
// A line that starts with no known keyword; kept, and read like END_OF_ENTRY.
constexpr int32_t kUnknown = 26;

// The keyword of an instruction ("END_OF_ENTRY" ... "GET_TAB_LEVEL_INDOOR"); empty for
// kUnknown and values outside 0..26.
std::string_view Keyword(int32_t opcode);
// The instruction whose keyword is a prefix of the line (byte comparison over the keyword's
// length, keywords tried in opcode order); kUnknown when none is.
int32_t FromLine(std::string_view line);
} // namespace ProgramOpcode

// One instruction of a program.
struct ProgramEntry {
    int32_t opcode = ProgramOpcode::kEndOfEntry;
    uint32_t competition = 0; // competition ID operand
    int32_t a = 0;
    int32_t b = 0;
    int32_t c = 0;

    friend bool operator==(const ProgramEntry&, const ProgramEntry&) = default;
};

// The longest program line that is read (longer lines are cut, as the game's reader does).
constexpr size_t kMaxProgramLineLength = 98;

// Reads a program at the file's read position: the entry count M, then M entries, each an
// instruction line and the value lines its instruction takes. Operands an instruction does
// not set keep their value from the entry before (0 in the first). Returns the M entries as
// read, without the END_OF_ENTRY that closes a program in the table. A count below 0 reads as
// 0; when an instruction line cannot be read (the section or the data ends) the program ends
// there, so a hostile count cannot make it grow beyond the file.
std::vector<ProgramEntry> ReadProgramEntries(CKLFile& file);

// Whether WriteProgramEntries can write the entries so that ReadProgramEntries gives them back
// unchanged: each opcode is 0..26, each competition operand has a text form that reads back
// as the same ID, and the operands an instruction does not write equal those of the entry
// before (0 in the first), as reading carries them over.
bool ProgramIsWritable(const std::vector<ProgramEntry>& entries, std::string* problem = nullptr);

// Writes the count and the entries in the form ReadProgramEntries reads; refuses (writing
// nothing) entries that would not read back the same, and returns false then.
bool WriteProgramEntries(CKLFile& file, const std::vector<ProgramEntry>& entries);

// The process-wide program table: programs one after the other, each closed by an entry with
// opcode 0. A program is known by the index of its first entry. Index 0 holds an empty
// program from the start, so that the program index 0, which nodes use for "none", reads as
// an empty program and no program read from a file gets it. Safe to use from several threads.
class CProgramTable {
public:
    CProgramTable();

    // Appends the entries and the closing END_OF_ENTRY (its other fields repeat those of the
    // last entry, all 0 for an empty program) and returns the program's index.
    uint32_t Append(const std::vector<ProgramEntry>& entries);
    // ReadProgramEntries, then Append.
    uint32_t ReadProgram(CKLFile& file);

    // Copies the program at `index`, up to and including its first END_OF_ENTRY, to the end of
    // the table for a cup of `country` on `level`: every copied entry but opcodes 0 and 26
    // gets the country or-ed into the top byte of its competition operand; entries with
    // opcode 8, 10 or 25 get operand a of -1 replaced by the level and -2 by the level + 1.
    // Returns the copy's index; 0 (the empty program) for an index outside the table.
    uint32_t Instantiate(uint32_t index, uint32_t country, int32_t level);

    // The program at `index` up to and including its first END_OF_ENTRY (at most to the end of
    // the table); empty for an index outside the table.
    std::vector<ProgramEntry> Program(uint32_t index) const;
    // The entries as read for the program appended at `index` (without the closing entry),
    // so that a program holding END_OF_ENTRY lines of its own is kept whole; empty when no
    // program was appended there.
    std::vector<ProgramEntry> EntriesAsRead(uint32_t index) const;

    size_t Size() const;
    // A copy of the whole table, in order (what is handed on to the game database).
    std::vector<ProgramEntry> Entries() const;
    // Back to the table with only the empty program at index 0.
    void Clear();

private:
    struct Span {
        uint32_t start;
        uint32_t count; // entries as read
    };

    uint32_t AppendLocked(const std::vector<ProgramEntry>& entries);

    mutable std::mutex mutex_;
    std::vector<ProgramEntry> entries_;
    std::vector<Span> spans_; // in ascending start order
};

// The table every loader and the game database build use.
CProgramTable& ProgramTable();

} // namespace tallo
