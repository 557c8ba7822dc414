#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace tallo {

class CKLFile;

// One round of a cup scheme as the cup nodes need it: its match flags (BEG_* set; a second leg
// or a replay makes the round take two matchdays) and its round kind (ROUND_* value).
struct CupSchemeRound {
    uint32_t flags = 0;
    int32_t kind = 0;
};

// What the competition nodes take from the cup schemes and the qualification program table,
// which the international definitions keep (CupAlloc.txt and the programs of the definition
// files). The nodes reach them only through these functions, so that the tree works, and is
// tested, with whatever scheme table is installed.
struct CupSchemeServices {
    // The rounds of a scheme, first round first (at most 8); empty for scheme 0 or a scheme
    // that is not loaded.
    std::function<std::vector<CupSchemeRound>(uint32_t scheme)> rounds;
    // Reads a qualification program (its entry count and entries) at the file's read position
    // and returns its index in the program table.
    std::function<uint32_t(CKLFile& file)> readProgram;
    // Copies a scheme's program for a cup of `country` on `level` and returns the copy's index
    // (0 when the scheme has none).
    std::function<uint32_t(uint32_t scheme, uint32_t country, int32_t level)> instantiateProgram;
};

// Installs the services (missing functions fall back to the behaviour below).
void SetCupSchemeServices(CupSchemeServices services);

// The rounds of a scheme through the installed function; none without one. At most 8 rounds.
std::vector<CupSchemeRound> CupSchemeRounds(uint32_t scheme);
// Through the installed function; without one the entry count is read and no program is
// kept (index 0): the program is the last value of a node section, and the rest of the
// section is skipped by the section reader.
uint32_t ReadQualificationProgram(CKLFile& file);
// Through the installed function; 0 without one.
uint32_t InstantiateCupProgram(uint32_t scheme, uint32_t country, int32_t level);

} // namespace tallo
