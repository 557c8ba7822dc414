#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tallo {

class CPlayer;
class CWorld;

// One record of the player ID file.
struct PlayerIdRecord {
    std::string name;     // at most CZeloPlayerMapping::kNameLength characters
    int32_t zeloId = 0;   // 1 or more
    std::string nickname; // at most CZeloPlayerMapping::kNicknameLength characters
};

// The names of a player as the mapping reports list them.
struct ReportedPlayer {
    std::string surname;
    std::string firstName;
    std::string nickname;
};

// What MapPlayerIds did.
struct PlayerMappingResult {
    bool ran = false; // false when no records are loaded: nothing was done
    int success = 0;
    int failed = 0;
    bool reportWritten = false; // false also when no report was asked for
};

// The player IDs of the other game.
//
// The player ID file is text made of records of four lines: the player's name (at most
// kNameLength characters are read), the Zelo ID in decimal, the nickname (at most
// kNicknameLength characters) and the Zelo ID once more. What a line holds beyond its limit
// is dropped. Reading stops at the end of the file, at a first ID below 1 (that record is not
// kept), or when the two IDs of a record differ (that record is still kept). Names and
// nicknames are cleaned of line breaks, tabs and extra blanks.
//
// Players are found by name ("first name surname", cleaned the same way), else by nickname,
// else by pseudonym (both against the records' nicknames); names are compared without regard
// to letter case in the active code page.
class CZeloPlayerMapping {
public:
    static constexpr size_t kNameLength = 63;
    static constexpr size_t kNicknameLength = 59;
    // Number lines are read up to this length.
    static constexpr size_t kNumberLineLength = 1023;

    // Fills the records from the file and remembers the path for the report. A missing file
    // leaves the mapping empty (false).
    bool Load(const std::string& path);
    // The same from the file's text; `path` is what the report names.
    void LoadText(std::string_view text, const std::string& path);
    void Clear();

    const std::string& Path() const { return path_; }
    const std::vector<PlayerIdRecord>& Records() const { return records_; }
    bool Empty() const { return records_.empty(); }
    // Records whose name (nickname) equals the next one in name (nickname) order; the
    // nickname list leaves empty nicknames out. In that order.
    std::vector<const PlayerIdRecord*> DoubleNames() const;
    std::vector<const PlayerIdRecord*> DoubleNicks() const;

    // The record of a player, or nullptr. With `unnormalized`, a player whose first name or
    // surname needed clean-up of blanks is added to it (a missing part does not count).
    const PlayerIdRecord* FindRecord(const CPlayer& player,
                                     std::vector<ReportedPlayer>* unnormalized = nullptr) const;
    // The record of the player's name alone ("first name surname" cleaned), or nullptr.
    const PlayerIdRecord* FindRecordByName(const CPlayer& player) const;
    // The player's Zelo ID, 0 when not found.
    int32_t FindZeloId(const CPlayer& player) const;

    // Gives every player listed by a club of countries 1 to 206 (national teams left out) the
    // Zelo ID found for him as mapped ID. A player not found keeps his ID, or with `overwrite`
    // gets 0, and is listed among the failures. Nothing happens when no records are loaded.
    //
    // With a report path (empty: none) the report is written there: the ID file's path, the
    // number of records, successes, failures, players whose names needed clean-up, the
    // numbers of double names and nicks, then the failures, those players, the double names
    // and the double nicks. Nothing is written when the report file cannot be written.
    PlayerMappingResult MapPlayerIds(CWorld& world, const std::string& reportPath, bool overwrite);

    // The players of the last mapping whose names needed clean-up.
    const std::vector<ReportedPlayer>& Unnormalized() const { return unnormalized_; }

private:
    // "first name surname", cleaned of line breaks, tabs and extra blanks.
    static std::string NameKey(const CPlayer& player);
    void BuildIndexes();
    const PlayerIdRecord* FindByName(std::string_view key) const;
    const PlayerIdRecord* FindByNickname(std::string_view key) const;

    std::string path_;
    std::vector<PlayerIdRecord> records_;
    // Indexes into records_ sorted by name and by nickname (regardless of case, stable).
    std::vector<size_t> byName_;
    std::vector<size_t> byNickname_;
    std::vector<ReportedPlayer> unnormalized_;
};

} // namespace tallo
