#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "world/stadium.h"

namespace tallo {

// One selectable stadium model of "StadiumList.txt".
struct StadiumModel {
    std::string name;
    uint8_t number = 0; // what a stadium stores as its model
    bool flag = false;  // copied into bit 7 of the stadium's size class
};

// The list of stadium models the stadium editor offers, and the two stadiums the game
// database build gives a club without a stadium of its own.
//
// "StadiumList.txt" is a record file without sections: the number of entries, then for each
// entry its name, number and flag.
class StadiumList {
public:
    static constexpr const char* kFileName = "StadiumList.txt";
    // No list has this many models; a larger count in the file is not believed.
    static constexpr int32_t kMaxEntries = 4096;

    StadiumList();

    // Reads "<installFolder>/<dataFolder>/StadiumList.txt" (see LoadFile).
    bool Load(const std::string& installFolder, const std::string& dataFolder);
    // Replaces the list with the entries of the file. A missing file leaves the list empty and
    // returns false. Reading stops at the first entry whose name cannot be read. The fallback
    // stadiums are prepared in any case.
    bool LoadFile(const std::string& path);
    void Clear();

    const std::vector<StadiumModel>& Entries() const { return entries_; }
    size_t Count() const { return entries_.size(); }

    // Sets a stadium to model list entry `index` as the editor does: the entry's number and
    // flag (model 0 and no flag beyond the list), capacity class 1 for entry 0, 6 for entry 1
    // and 0 otherwise; then the capacity limits are applied to every stand.
    void ApplyModelChoice(Stadium& stadium, size_t index) const;

    const Stadium& SmallFallback() const { return smallFallback_; }
    const Stadium& LargeFallback() const { return largeFallback_; }

private:
    std::vector<StadiumModel> entries_;
    Stadium smallFallback_;
    Stadium largeFallback_;
};

// The two built-in stadiums named "Stadion": model 1, capacity class 1, season-ticket stands
// 0-2, away block in stand 6.
Stadium MakeSmallFallbackStadium();
Stadium MakeLargeFallbackStadium();

// The process-wide list, loaded when a database is opened and by the game database build.
// Like all record file reading, loading it is for one thread at a time.
StadiumList& GlobalStadiumList();

} // namespace tallo
