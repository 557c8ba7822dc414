#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tallo {

// Accent folding of 8-bit names (code page 1252): every accented letter stands for its plain
// letter and typographic quotes and dashes for their plain forms, so that names can be
// compared and searched regardless of how they were typed. Folding keeps case.

// The folding of each of the 256 byte values.
const std::array<uint8_t, 256>& FoldingTable();
inline uint8_t FoldChar(uint8_t c) {
    return FoldingTable()[c];
}

// The two letters a ligature stands for (0x8C "CE", 0x9C "ce", 0xC6 "AE", 0xE6 "ae",
// 0xDF "ss"); nullptr for any other byte.
const char* LigatureExpansion(uint8_t c);

// Copies `source` folded into `destination`, at most size-1 characters and a terminating zero.
// A ligature becomes its two letters while two characters of room remain; with only one left
// it is copied as it is. Returns the length written.
size_t FoldName(char* destination, std::string_view source, size_t size);
// The folded form of `source`, at most `maxLength` characters long.
std::string FoldName(std::string_view source, size_t maxLength = std::string::npos);

// Compares two names by their folded forms, a ligature being equal to its two letters.
// Negative, zero or positive like a byte-wise comparison.
int CompareFolded(std::string_view a, std::string_view b);

} // namespace tallo
