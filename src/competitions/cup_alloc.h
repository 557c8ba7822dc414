#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "competitions/qualification_program.h"

namespace tallo {

class CKLFile;

// The cup schemes of "CupAlloc.txt" in the script folder: for each scheme number its rounds
// (the round rows) and its qualification program. Cups name a scheme (0 for none) and take
// their rounds and matchdays from it.
//
// File layout (a record file): the highest scheme number N, then for each scheme k that
// exists a section "CUP<k>" holding the row count R, R round rows and the scheme's program
// (ReadProgramEntries). A round row is one line whose text from its first "{" on holds, joined
// by commas, the values a to f, a ROUND_* keyword and a BEG_* flag list ("0" for none), e.g.
// "{ 1, 6, 0, 0, 0, 0, ROUND_1, BEG_2ND_LEG, BEG_WITH_EXTRA_TIME }".

// One round of a scheme. Value b of a scheme's first row is its number of rounds; the other
// values are kept and passed on to the game database.
struct CupSchemeRow {
    int32_t a = 0;
    int32_t b = 0;
    int32_t c = 0;
    int32_t d = 0;
    int32_t e = 0;
    int32_t f = 0;
    uint32_t flags = 0; // BEG_* set
    int32_t kind = 0;   // ROUND_* value; -1 for an unknown keyword

    friend bool operator==(const CupSchemeRow&, const CupSchemeRow&) = default;
};

constexpr int32_t kMaxCupSchemeRows = 8;
// Scheme numbers above this are not read: a hostile N must not make the loader search for
// billions of sections or allocate a slot for each.
constexpr int32_t kMaxCupSchemeNumber = 1000;
// The longest round row line that is read (longer lines are cut).
constexpr size_t kMaxCupSchemeRowLength = 126;

// A scheme as the file holds it.
struct CupSchemeDefinition {
    std::vector<CupSchemeRow> rows;    // at most kMaxCupSchemeRows
    std::vector<ProgramEntry> program; // the entries as read, without the closing entry

    friend bool operator==(const CupSchemeDefinition&, const CupSchemeDefinition&) = default;
};

// The whole file.
struct CupAllocFile {
    int32_t highest = 0;                            // N, 0..kMaxCupSchemeNumber
    std::map<int32_t, CupSchemeDefinition> schemes; // by scheme number 1..highest

    friend bool operator==(const CupAllocFile&, const CupAllocFile&) = default;
};

// One row line: parsing and its text ("{ a, b, c, d, e, f, KIND, FLAGS }").
CupSchemeRow ParseCupSchemeRow(std::string_view line);
std::string CupSchemeRowText(const CupSchemeRow& row);

// Reads the file from an open record file. N is clamped to 0..kMaxCupSchemeNumber; a section
// that is absent leaves its number without a scheme; a row count above 8 keeps the first 8
// rows (the others are still read past, so the program after them is found); a row or program
// that ends early keeps what was read. Always gives a defined result; returns false only when
// no file is open.
bool ReadCupAlloc(CKLFile& file, CupAllocFile& result);
// Opens the file (path resolved regardless of case) and reads it; false, with an empty result,
// when it cannot be opened.
bool ReadCupAllocFile(const std::string& path, CupAllocFile& result);

// Whether WriteCupAlloc can write the data so that it reads back unchanged: N within
// 0..kMaxCupSchemeNumber, scheme numbers within 1..N, at most 8 rows each, every round kind
// with a keyword (or -1), every flag bit with a keyword, row lines within their length, and
// writable programs.
bool CupAllocIsWritable(const CupAllocFile& data, std::string* problem = nullptr);
// Writes the file text into a record file open for writing; false (nothing written) when the
// data is not writable.
bool WriteCupAlloc(CKLFile& file, const CupAllocFile& data);
// Writes the whole file (replacing it only when every write succeeded).
bool WriteCupAllocFile(const std::string& path, const CupAllocFile& data);

// A scheme as cups use it: its rows, its round count and the index of its program in the
// program table.
struct CupScheme {
    std::array<CupSchemeRow, kMaxCupSchemeRows> rows{}; // rows beyond rowCount are zero
    int32_t rowCount = 0;
    uint32_t programIndex = 0;

    // Value b of the first row, clamped to 0..8: the cup uses round slots 8 - rounds to 7.
    int32_t RoundCount() const;
    // Two matchdays for each round with a second leg or a replay, one for every other round.
    int32_t RequiredMatchdays() const;
};

// The process-wide scheme table. Safe to use from several threads.
class CCupSchemeTable {
public:
    // Replaces the table by the schemes of `data`; their programs are appended to `programs`.
    void Install(const CupAllocFile& data, CProgramTable& programs);
    void Clear();

    int32_t Highest() const;
    // The scheme of a number; none for 0, numbers above the highest and absent schemes.
    std::optional<CupScheme> Scheme(uint32_t number) const;
    // Copies a scheme's program for a cup of `country` on `level`; 0 without a scheme.
    uint32_t InstantiateProgram(uint32_t number, uint32_t country, int32_t level,
                                CProgramTable& programs) const;

private:
    mutable std::mutex mutex_;
    int32_t highest_ = 0;
    std::map<uint32_t, CupScheme> schemes_;
};

CCupSchemeTable& CupSchemes();

// LoadCupSchemes: reads "<scriptFolder>/CupAlloc.txt" into the process-wide scheme table
// (their programs into the process-wide program table). A file that cannot be opened leaves
// no schemes. Returns whether the file was read.
bool LoadCupSchemes(const std::string& scriptFolder);

// Installs the process-wide scheme and program tables as the services through which the
// competition nodes reach them (scheme rounds, program reading, program instantiation). Call
// once at start-up, before any database is loaded.
void InstallCupSchemeServices();

} // namespace tallo
