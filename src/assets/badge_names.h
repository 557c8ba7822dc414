#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tallo {

// Club badges come in four sizes, largest first. A badge is named by its largest picture,
// relative to the badge root: group (one per country in practice), "Badge180", file name
// ending in ".tga", separated by back slashes. The picture of size s has the same name with
// "Badge180" replaced by "Badge" and s.
inline constexpr std::array<int, 4> kBadgeSizes = {180, 74, 48, 14};

// The folder word of the largest size, and the folder of the badge archive's entries.
inline constexpr std::string_view kBadge180 = "Badge180";
inline constexpr std::string_view kBadgeArchivePrefix = "Badges\\";

// ASCII case-insensitive comparisons, as badge names are compared everywhere.
bool BadgeTextEquals(std::string_view a, std::string_view b);
// Position of the first case-insensitive occurrence of `word` in `text`, or npos.
size_t BadgeTextFind(std::string_view text, std::string_view word);
// Whether `name` ends in ".tga" regardless of case (so is at least 4 characters long).
bool HasTgaEnding(std::string_view name);

// Whether the name contains "Badge180" regardless of case.
bool HasBadge180(std::string_view name);
// The name with its first "Badge180" (any case) replaced by "Badge" and the size; names
// without it come back unchanged.
std::string BadgeNameForSize(std::string_view name, int size);

// A badge name pattern (a name with one "%d" where the size goes, as clubs give it) with the
// size put in. The pattern may come from a file: it is never used as a format; the first
// "%d" is replaced by the digits and every other character, "%" included, stays as it is.
std::string FormatBadgePattern(std::string_view pattern, int size);

// Where a badge name is looked for on disk: "<folder>/<name>" with every back slash of the
// name turned into "/". Empty for a name that is empty or would lead outside the folder
// (absolute, drive, "..").
std::string BadgeDiskPath(std::string_view folder, std::string_view name);
// The name of a badge inside the badge archive: "Badges\" and the name, every "/" turned
// into a back slash.
std::string BadgeArchiveName(std::string_view name);
// BadgeArchiveName(BadgeNameForSize(name, size)) for a name whose first "Badge180" (any case)
// starts at `at`, written into `out` (whose room is used again by a caller that asks for many).
void SizedBadgeArchiveName(std::string_view name, size_t at, int size, std::string& out);
// An archive entry name without its leading "Badges\" (any case); false when it has none.
bool StripBadgeArchivePrefix(std::string_view entryName, std::string& relative);

// What the badge chooser shows of a name: the file name without folders and extension.
std::string BadgeDisplayName(std::string_view name);

} // namespace tallo
