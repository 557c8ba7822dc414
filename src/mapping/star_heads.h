#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace tallo {

class CPlayer;
class CWorld;

// One line of the star-heads file.
struct StarHeadRecord {
    int32_t number = 0;     // the file's first number; kept, not used
    int32_t faceNumber = 0; // the console face
    int32_t usageCount = 0; // look-ups that found it since the counts were last reset
};

// What MapConsoleFaces did.
struct ConsoleFaceResult {
    bool ran = false; // false when the star-head table is empty: nothing was done
    int found = 0;    // players given a console face
    int notFound = 0; // players given 0
    bool reportWritten = false;
};

// The console face models of star players ("star heads"), keyed by folded player name.
//
// The star-heads file is text with lines of at most kMaxLineLength characters (the rest of a
// longer line is dropped), each "name TAB number TAB face number". The first tab is looked
// for from the line's second character on. Lines without both tabs, and names that are empty
// once cleaned, are skipped. The name is cleaned of line breaks, tabs and extra blanks; a
// name longer than 4 characters ending in "(GK)" or "[GK]" (any case) loses that ending and
// is cleaned again. It is kept folded (accents to plain letters, at most kMaxKeyLength
// characters); for a name already present the first line stays.
class CStarHeads {
public:
    static constexpr size_t kMaxLineLength = 1023;
    static constexpr size_t kMaxKeyLength = 127;

    using RecordMap = std::map<std::string, StarHeadRecord, std::less<>>;

    // Fills the table from the file; a missing file leaves it empty (false).
    bool Load(const std::string& path);
    void LoadText(std::string_view text);
    void Clear() { records_.clear(); }

    const RecordMap& Records() const { return records_; }
    bool Empty() const { return records_.empty(); }
    void ResetUsageCounts();

    // The record of a player: by "first name surname" folded, else by the folded nickname,
    // else by the folded pseudonym (empty ones are not looked up). nullptr when none.
    const StarHeadRecord* Find(const CPlayer& player) const;
    // The console face look-up: the face number of the player's record, whose usage count
    // grows by one; 0 when the player has none.
    uint16_t ConsoleFace(const CPlayer& player);

    // Gives every player listed by a club of countries 1 to 206 (national teams left out)
    // his console face (0 when not found) as special face; the usage counts start from 0.
    // Nothing happens when the table is empty. With a report path (empty: none) the report
    // lists every record, in name order, that was not used exactly once:
    //   "Statistical output for PS2 face mapping", then "<name> used <n> times" each.
    ConsoleFaceResult MapConsoleFaces(CWorld& world, const std::string& reportPath);

private:
    void LoadLine(std::string_view line);
    // Find for the table and for its const form.
    template <typename Map> static auto* FindIn(Map& records, const CPlayer& player);

    RecordMap records_;
};

} // namespace tallo
