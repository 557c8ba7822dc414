#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "gamedb/build_random.h"
#include "gamedb/club_export_numbering.h"
#include "gamedb/console_text_sink.h"
#include "gamedb/deferred_names.h"
#include "gamedb/name_store.h"

namespace tallo {

class CClub;
class CPlayer;
class CWorld;

// Option bits of a game database build.
namespace MasterOption {
constexpr uint32_t kConsole = 0x01;     // console database: one language, shorter records
constexpr uint32_t kBadgeList = 0x04;   // "badges.txt"
constexpr uint32_t kKitList = 0x08;     // "kits.txt"
constexpr uint32_t kStadiumList = 0x10; // "stadium.txt"
constexpr uint32_t kTrim = 0x20;        // build mode trims country 14 first (not used by the build)
constexpr uint32_t kConsoleLog = 0x40;  // "logPS2_Database.txt"
} // namespace MasterOption

// Services of other parts of the program that record writers ask. An empty function gives
// the neutral answer noted beside it, so tests and tools can build without them.
struct MasterBuildServices {
    // Whether the club's badge file passes the badge check (an empty function: it does).
    // A club whose badge file fails it writes an empty badge text.
    std::function<bool(const CClub& club)> badgeUsable;
    // The console face of a player from the face ID table (an empty function: 0, not found).
    std::function<uint16_t(const CPlayer& player)> consoleFace;
    // Both services may be called from several threads at once (so the builder may write
    // the country records side by side).
    bool threadSafe = false;
};

// What every record writer of the game database receives besides the buffer. The same
// context serves the count pass and the write pass; a writer calls the same primitives with
// the same values in both and never asks which pass runs.
struct MasterBuildContext {
    CWorld& world;
    // The build language: the language slot (0-4) of single-language texts.
    int language;
    uint32_t optionBits;
    NameStore& names;
    // The console text lists: emit each line in both passes; the sink keeps the write pass's.
    ConsoleTextSink& text;
    ClubExportNumbering& clubs;
    // Draws of the console looks; restarted with the same seed for each pass.
    BuildRandom& random;
    const MasterBuildServices& services;

    bool Console() const { return (optionBits & MasterOption::kConsole) != 0; }
    bool Option(uint32_t bit) const { return (optionBits & bit) != 0; }

    // A club reference in its game form (ClubExportNumbering::GameReference).
    uint32_t GameClubReference(uint32_t reference) const { return clubs.GameReference(reference); }
    // A stadium reference in its game form: unchanged when its country byte (bits 16-23) is
    // 1-206 and its low 16 bits do not exceed that country's stadium count; otherwise 0.
    uint32_t GameStadiumReference(uint32_t reference) const;
    // Records written on a thread of their own note their names here instead of looking them
    // up in `names` (see DeferredNames); null when the records are written one after another.
    DeferredNames* deferredNames = nullptr;

    // Index of a person's name (NameStore::LookUp).
    uint16_t Name(int pool, int kind, std::string_view name) const {
        return names.LookUp(pool, kind, name);
    }
    // Index of a person's name that the caller writes at `position` of the buffer: the index,
    // or, while the names are deferred, the placeholder that stands there until they are
    // resolved.
    uint16_t NameAt(int pool, int kind, std::string_view name, uint64_t position) const {
        return deferredNames != nullptr ? deferredNames->Note(pool, kind, name, position)
                                        : names.LookUp(pool, kind, name);
    }
};

} // namespace tallo
