#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace tallo {

class CWorld;

// One line of the club ID file.
struct ClubIdRecord {
    // Column 1: a number of the other game, otherwise not known; lines with 0 or 400 are not kept.
    int32_t column1 = 0;
    int32_t zeloId = 0;      // column 3: the identifier a club of this name is given
    int32_t usageCount = 0;  // clubs given this record by the last mapping
    std::string description; // column 2, at most kDescriptionLength characters
};

// What MapClubIds did.
struct ClubMappingResult {
    int success = 0;            // clubs given an ID
    int failure = 0;            // clubs whose names are not in the table
    bool reportWritten = false; // false also when no report was asked for
};

// The club IDs of the other game, keyed by club name (exact, case-sensitive).
//
// The club ID file is text with one club per line (at most kMaxLineLength characters, the
// rest of a longer line is dropped) of four tab-separated fields:
//   column 1 (decimal) TAB column 2 (text) TAB column 3, the Zelo ID (decimal) TAB club name
// The club name is the rest of the line. Lines with fewer than three tabs are skipped. The
// club name and column 2 (cut to kDescriptionLength characters first) are cleaned of line
// breaks, tabs and extra blanks; a name ending in "S.A.D." loses that ending. A line is kept
// when column 1 is neither 0 nor 400 and neither the name nor column 2 is empty; a later line
// of the same name replaces the earlier one.
class CZeloClubMapping {
public:
    static constexpr size_t kMaxLineLength = 1023;
    static constexpr size_t kDescriptionLength = 51;

    using RecordMap = std::map<std::string, ClubIdRecord, std::less<>>;

    // Fills the table from the file; a missing file leaves it empty (false).
    bool Load(const std::string& path);
    // The same from the file's text.
    void LoadText(std::string_view text);
    void Clear() { records_.clear(); }

    const RecordMap& Records() const { return records_; }
    // The record of a club name, or nullptr.
    const ClubIdRecord* Find(std::string_view clubName) const;

    // Gives every club of countries 1 to 206 (national teams included) the Zelo ID of its name
    // in the world's current language slot, else of its short name there. The ID goes into
    // the club's colour entry and its kit's colour entry (cut to 16 bits). A club not found
    // keeps its entries, or with `overwrite` gets 0 in both. The usage counts of the records
    // are counted afresh.
    //
    // With a report path (empty: none) the report is written there:
    //   "Club mapping statistics", "Success: <n>, Failure: <n>",
    //   "Unmapped: <n>, Too much mapped: <n>", then the records never used and those used
    //   more than once, each list sorted by column 2.
    // The IDs are given also when the report cannot be written.
    ClubMappingResult MapClubIds(CWorld& world, const std::string& reportPath, bool overwrite);

private:
    void LoadLine(std::string_view line);

    RecordMap records_;
};

} // namespace tallo
