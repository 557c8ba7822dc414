#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tallo {

// The plain-text lists a game database build can append for the console tools.
enum class ConsoleTextFile : int {
    Badges = 0,   // "badges.txt", option bit 0x04
    Kits = 1,     // "kits.txt", option bit 0x08
    Stadiums = 2, // "stadium.txt", option bit 0x10
    Log = 3,      // "logPS2_Database.txt", option bit 0x40
};

// Collects the lines of the console text lists during a build and appends them to their files
// once the game database has been written.
//
// Record writers run in the count pass and in the write pass; they emit their lines in both
// without asking which pass runs. The sink keeps only what arrives while it is active, which
// the builder makes it during the write pass alone, so every line lands once per build and
// carries the values the file holds. A list whose option bit is not set takes nothing.
class ConsoleTextSink {
public:
    static constexpr int kFiles = 4;

    explicit ConsoleTextSink(uint32_t optionBits = 0);

    // Whether the build asked for this list (its option bit is set).
    bool Wants(ConsoleTextFile file) const;
    // Whether any list was asked for.
    bool WantsAny() const;

    // The builder turns the sink on for the write pass only.
    void SetActive(bool active) { active_ = active; }
    bool Active() const { return active_; }

    // Appends `text` (a line or a piece of one, line feeds included) to the list; ignored when
    // the sink is inactive or the list was not asked for.
    void Emit(ConsoleTextFile file, std::string_view text);

    // What the list collected so far.
    const std::string& Text(ConsoleTextFile file) const;
    // Forgets everything collected (a build that fails appends nothing).
    void Clear();

    // Appends each non-empty list to "<folder>/<file name>" (created when missing, never
    // emptied). A file that cannot be opened or written is skipped; returns false when any
    // was skipped.
    bool AppendToFiles(const std::string& folder) const;

    // "badges.txt", "kits.txt", "stadium.txt", "logPS2_Database.txt".
    static const char* FileName(ConsoleTextFile file);
    // The option bit that asks for the list.
    static uint32_t OptionBit(ConsoleTextFile file);

private:
    uint32_t optionBits_;
    bool active_ = false;
    std::array<std::string, kFiles> texts_;
};

} // namespace tallo
