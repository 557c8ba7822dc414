#include "sample_language_tables.h"

#include <algorithm>
#include <set>
#include <vector>

#include "formats/per_language_tables.h"
#include "platform/atomic_file.h"
#include "sample_person_keys.h"
#include "sample_random.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo::sample {

namespace {

// A table file being put together: the rows first, the count line in front at the end.
class TableText {
public:
    void Row(const std::string& first, const std::string& second) {
        rows_ += first + "\r\n" + second + "\r\n";
        ++count_;
    }
    int Count() const { return count_; }
    std::string Text() const { return std::to_string(count_) + "\r\n" + rows_; }

private:
    std::string rows_;
    int count_ = 0;
};

bool WriteTable(const std::string& folder, const char* name, const TableText& table,
                std::string& error) {
    const std::string path = folder + "/" + name;
    if (!WriteFileAtomically(path, table.Text())) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

// Rows the file may hold: the table's capacity, less the placeholder row the loader adds.
int RoomOf(const TextTableLayout& layout) {
    return layout.capacity - (layout.placeholderString != 0 ? 1 : 0);
}

TableText ShoeTable() {
    static const char* const kShoes[] = {"White", "Black", "Red", "Blue", "Yellow"};
    TableText table;
    int number = 1;
    for (const char* shoe : kShoes) {
        if (table.Count() < RoomOf(PerLanguageTables::ShoeLayout())) {
            table.Row(std::to_string(number++), shoe);
        }
    }
    return table;
}

TableText FaceTable(const SamplePersonKeys& keys, const SampleOptions& options,
                    SampleFileSummary& summary) {
    const int wanted = options.scale == SampleScale::kFull ? 200 : 24;
    const int room = RoomOf(PerLanguageTables::FaceLayout());
    std::vector<const CPlayer*> candidates;
    for (const CPlayer* player : keys.ClubPlayers()) {
        if (keys.UniqueFolded(*player)) {
            candidates.push_back(player);
        }
    }
    SampleRandom random(options.seed ^ 0xFACE1D5ull);
    std::set<size_t> chosen;
    const size_t count = std::min(candidates.size(), static_cast<size_t>(std::min(wanted, room)));
    while (chosen.size() < count) {
        chosen.insert(static_cast<size_t>(random.Below(static_cast<int>(candidates.size()))));
    }
    TableText table;
    int number = 1001;
    for (size_t index : chosen) {
        const CPlayer& player = *candidates[index];
        summary.specialFaces[player.Id()] = number;
        table.Row(SamplePersonKeys::FullName(player), std::to_string(number++));
    }
    // Faces of players the database does not hold: rows no mapping uses.
    for (const char* name : {"Generic Keeper", "Generic Striker"}) {
        if (table.Count() < room && !keys.IsKnown(name)) {
            table.Row(name, std::to_string(number++));
        }
    }
    return table;
}

TableText ClubSpeechTable(const CWorld& world) {
    const int room = RoomOf(PerLanguageTables::ClubSpeechLayout());
    TableText table;
    std::set<std::string> places;
    int number = 101;
    for (int country = 1; country <= CWorld::kCountryCount && table.Count() < room; ++country) {
        for (const auto& [id, club] : world.GetCountry(country)->Clubs()) {
            if (club == nullptr || club->IsNationalTeam() || table.Count() >= room) {
                continue;
            }
            const std::string place(club->ShortName(0));
            if (!place.empty() && places.insert(place).second) {
                table.Row(std::to_string(number++), place);
            }
        }
    }
    return table;
}

TableText TeamColourTable(const CWorld& world) {
    const int room = RoomOf(PerLanguageTables::TeamColourLayout());
    TableText table;
    for (int country = 1; country <= CWorld::kCountryCount && table.Count() < room; ++country) {
        for (const auto& [id, club] : world.GetCountry(country)->Clubs()) {
            if (club == nullptr || club->IsNationalTeam() || table.Count() >= room) {
                continue;
            }
            // The part after the first comma is the row's second number.
            const std::string name(club->Name(0));
            if (name.find(',') == std::string::npos) {
                table.Row(std::to_string(club->ColourEntry()),
                          name + "," + std::to_string(club->Kit().styles[0][0]));
            }
        }
    }
    return table;
}

} // namespace

bool WriteSampleLanguageTables(const std::string& languageFolder, const CWorld& world,
                               const SamplePersonKeys& keys, const SampleOptions& options,
                               SampleFileSummary& summary, std::string& error) {
    const TableText shoes = ShoeTable();
    const TableText faces = FaceTable(keys, options, summary);
    const TableText speech = ClubSpeechTable(world);
    const TableText colours = TeamColourTable(world);
    if (!WriteTable(languageFolder, "shoe.txt", shoes, error) ||
        !WriteTable(languageFolder, "faceIDs.txt", faces, error) ||
        !WriteTable(languageFolder, "clubSpeechIDs.txt", speech, error) ||
        !WriteTable(languageFolder, "TeamColour.txt", colours, error)) {
        return false;
    }
    summary.shoeRows = shoes.Count();
    summary.faceRows = faces.Count();
    summary.clubSpeechRows = speech.Count();
    summary.teamColourRows = colours.Count();
    return true;
}

} // namespace tallo::sample
