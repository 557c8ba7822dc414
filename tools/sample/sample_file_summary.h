#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

namespace tallo::sample {

// What the files beside the database hold, and what the sample meant them to do: the Zelo IDs
// and faces the ID tables give each club and player, and the clubs whose badge it left
// incomplete on purpose. Tests hold the readers and the mappings to these.
struct SampleFileSummary {
    // Rows written into the per-language tables (the loader adds a placeholder row 0 to the
    // face and club speech tables).
    int shoeRows = 0;
    int faceRows = 0;
    int clubSpeechRows = 0;
    int teamColourRows = 0;
    // Persons that the special-face table names, with the face number of their row.
    std::map<uint32_t, int32_t> specialFaces;

    // Names written into MaleNames.txt, FemaleNames.txt and Surnames.txt, and the pools
    // (language numbers) each file holds.
    size_t maleNames = 0;
    size_t femaleNames = 0;
    size_t surnames = 0;
    int namePools = 0;

    // The ID tables: lines and records written, and what the mappings are to find. Clubs
    // and players missing from a map are to be found in no table.
    size_t clubIdLines = 0;
    size_t playerIdRecords = 0;
    size_t starHeadLines = 0;
    std::map<uint32_t, int32_t> clubZeloIds;   // club ID -> Zelo ID
    std::map<uint32_t, int32_t> playerZeloIds; // person ID -> Zelo ID
    std::map<uint32_t, int32_t> consoleFaces;  // person ID -> console face of the star heads

    // Badges: clubs whose badge exists in all four sizes, and the clubs whose badge misses a
    // size on purpose (ascending club IDs); pictures in the badge folder, entries of
    // badges.big, and the bytes of both.
    size_t completeBadges = 0;
    std::vector<uint32_t> incompleteBadges;
    size_t badgeFiles = 0;
    size_t badgeEntries = 0;
    uint64_t badgeBytes = 0;

    // Entries of the game's data archive.
    size_t gameArchiveEntries = 0;
};

} // namespace tallo::sample
