#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tallo {

// The three name lists the editor draws random names from (male first names, female first
// names, surnames), each split into 64 pools, one per language number.
//
// A name file is text with one name per line, at most kMaxNameLength characters; empty lines
// are skipped; a line beginning with "%" switches to the pool given by the decimal number
// after it; lines before the first such line belong to pool 1. Lines of a pool outside 0-63
// and lines longer than kMaxNameLength characters are skipped as a whole (they would
// otherwise come out as cut or split names).
class CNameLists {
public:
    enum List { kMaleNames = 0, kFemaleNames = 1, kSurnames = 2 };
    static constexpr int kListCount = 3;
    static constexpr int kPools = 64;
    static constexpr size_t kMaxNameLength = 31;
    static constexpr size_t kMaxFileBytes = size_t{64} << 20;

    // Loads the three files (each path as given). A missing file leaves its list empty.
    // True when all three could be read.
    bool Load(const std::string& maleNames, const std::string& femaleNames,
              const std::string& surnames);
    // Adds the names of one file's text to a list.
    void LoadText(List list, std::string_view text);
    // Releases every name.
    void Clear();

    // The names of a pool, in file order (empty for a list or pool out of range).
    const std::vector<std::string>& Names(int list, int pool) const;
    size_t Count(int list) const;

    // A name drawn from a pool with `randomBelow(n)` (a number from 0 to n-1), cut to
    // `maxLength` characters. A pool without names (or outside 0-63) falls back to pool 0;
    // empty when that has none either.
    std::string Draw(int list, int pool, const std::function<int(int)>& randomBelow,
                     size_t maxLength) const;

private:
    std::array<std::array<std::vector<std::string>, kPools>, kListCount> lists_;
};

} // namespace tallo
