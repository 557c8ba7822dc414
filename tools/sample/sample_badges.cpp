#include "sample_badges.h"

#include <algorithm>
#include <array>
#include <set>

#include "assets/badge_names.h"
#include "assets/big_writer.h"
#include "platform/atomic_file.h"
#include "platform/path_resolver.h"
#include "platform/recursive_delete.h"
#include "sample_badge_picture.h"
#include "sample_names.h"
#include "world/club.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo::sample {

namespace {

constexpr size_t kSizeCount = kBadgeSizes.size();
// Clubs whose badge the sample leaves incomplete.
constexpr size_t kIncompleteSmall = 4;
constexpr size_t kIncompleteFull = 12;

// Where each size of a badge goes.
struct Placement {
    std::array<bool, kSizeCount> disk{};
    std::array<bool, kSizeCount> archive{};

    bool Complete() const {
        for (size_t i = 0; i < kSizeCount; ++i) {
            if (!disk[i] && !archive[i]) {
                return false;
            }
        }
        return true;
    }
};

Placement Everywhere(bool disk, bool archive) {
    Placement placement;
    placement.disk.fill(disk);
    placement.archive.fill(archive);
    return placement;
}

// The complete placements, drawn with the weights of the scale: both keep most badges in
// the archive, whose entries may be packed, so that the badge files stay small.
Placement CompletePlacement(SampleRandom& random, SampleScale scale) {
    const int roll = random.Below(100);
    const bool full = scale == SampleScale::kFull;
    if (roll < (full ? 90 : 60)) {
        return Everywhere(false, true);
    }
    if (roll < (full ? 95 : 80)) {
        return Everywhere(true, false);
    }
    if (roll < (full ? 98 : 92)) {
        // The three larger sizes on disk, the smallest in the archive.
        Placement split = Everywhere(true, false);
        split.disk[kSizeCount - 1] = false;
        split.archive[kSizeCount - 1] = true;
        return split;
    }
    return Everywhere(true, true);
}

// The incomplete placements, in turn: the smallest size missing (the rest in the archive),
// the size 74 missing (the rest on disk), only the largest size, no picture at all.
Placement IncompletePlacement(size_t kind) {
    switch (kind % 4) {
    case 0: {
        Placement placement = Everywhere(false, true);
        placement.archive[kSizeCount - 1] = false;
        return placement;
    }
    case 1: {
        Placement placement = Everywhere(true, false);
        placement.disk[1] = false;
        return placement;
    }
    case 2: {
        Placement placement;
        placement.disk[0] = true;
        return placement;
    }
    default:
        return Placement();
    }
}

// A kit colour byte (0-63) as a picture colour channel.
uint8_t Channel(uint8_t value) {
    return static_cast<uint8_t>(std::min(63, static_cast<int>(value)) * 4 + 2);
}

BadgeDesign DesignOf(SampleRandom& random, const CClub& club) {
    BadgeDesign design;
    design.pattern = static_cast<BadgeDesign::Pattern>(random.Below(BadgeDesign::kPatternCount));
    const int storage = random.Below(100);
    design.storage = storage < 70   ? BadgeDesign::kRunLength24
                     : storage < 85 ? BadgeDesign::kRunLength32
                                    : BadgeDesign::kRunLength16;
    design.ground = BadgeColour{16, 16, 24};
    const uint8_t* colours = club.Kit().colours[0];
    design.first = BadgeColour{Channel(colours[0]), Channel(colours[1]), Channel(colours[2])};
    design.second = BadgeColour{Channel(colours[3]), Channel(colours[4]), Channel(colours[5])};
    if (design.second == design.first) {
        design.second = BadgeColour{static_cast<uint8_t>(255 - design.first.red),
                                    static_cast<uint8_t>(255 - design.first.green),
                                    static_cast<uint8_t>(255 - design.first.blue)};
    }
    return design;
}

std::string ParentOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

struct BadgeClub {
    const CClub* club = nullptr;
    std::string name;
};

} // namespace

std::string SampleBadgeName(SampleRandom& random, const CCountry& country, const CClub& club) {
    const std::string group(country.Abbreviation(0));
    const size_t room = CClub::kBadgeFileSize - 1;
    if (club.IsNationalTeam()) {
        return Fit(group + "\\Badge180\\national.tga", room);
    }
    const int roll = random.Below(100);
    if (roll < 3) {
        return std::string();
    }
    const std::string number = "_" + std::to_string(club.ClubNumber()) + ".tga";
    const bool oldStyle = roll < 5;
    const std::string folder = group + (oldStyle ? "\\" : "\\Badge180\\");
    std::string slug = AsciiSlug(club.Name(0));
    if (slug.empty()) {
        slug = "club";
    }
    if (folder.size() + slug.size() + number.size() > room) {
        slug.resize(room > folder.size() + number.size() ? room - folder.size() - number.size()
                                                         : 0);
    }
    return folder + slug + number;
}

bool WriteSampleBadges(const std::string& installFolder, const CWorld& world,
                       const SampleOptions& options, SampleFileSummary& summary,
                       std::string& error) {
    const std::string badgeFolder = installFolder + "/" + kBadgeFolder;
    if (FolderExists(badgeFolder) && !DeleteFolderTree(ResolvePath(badgeFolder))) {
        error = "cannot remove the earlier badge folder " + badgeFolder;
        return false;
    }
    if (!CreateFolders(badgeFolder)) {
        error = "cannot create the folder " + badgeFolder;
        return false;
    }

    std::vector<BadgeClub> clubs;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const CCountry* country = world.GetCountry(number);
        if (country == nullptr) {
            continue;
        }
        for (const auto& [id, club] : country->Clubs()) {
            if (club != nullptr && HasBadge180(club->BadgeFile())) {
                clubs.push_back(BadgeClub{club.get(), std::string(club->BadgeFile())});
            }
        }
    }

    SampleRandom random(options.seed ^ 0xBAD6E5A11ull);
    // The clubs left incomplete: ordinary clubs, drawn once for the whole sample.
    const size_t wanted = options.scale == SampleScale::kFull ? kIncompleteFull : kIncompleteSmall;
    std::set<size_t> incomplete;
    size_t ordinary = 0;
    for (const BadgeClub& entry : clubs) {
        ordinary += entry.club->IsNationalTeam() ? 0 : 1;
    }
    while (incomplete.size() < std::min(wanted, ordinary)) {
        const size_t index = static_cast<size_t>(random.Below(static_cast<int>(clubs.size())));
        if (!clubs[index].club->IsNationalTeam()) {
            incomplete.insert(index);
        }
    }

    BigWriter archive;
    std::set<std::string> folders;
    size_t incompleteKind = 0;
    for (size_t index = 0; index < clubs.size(); ++index) {
        const CClub& club = *clubs[index].club;
        const std::string& name = clubs[index].name;
        const bool leftIncomplete = incomplete.count(index) != 0;
        const Placement placement = leftIncomplete ? IncompletePlacement(incompleteKind++)
                                                   : CompletePlacement(random, options.scale);
        const BadgeDesign design = DesignOf(random, club);
        const bool capitals = random.Chance(8);
        const bool packed = options.scale == SampleScale::kFull || random.Chance(50);
        for (size_t size = 0; size < kSizeCount; ++size) {
            if (!placement.disk[size] && !placement.archive[size]) {
                continue;
            }
            const std::string sized = BadgeNameForSize(name, kBadgeSizes[size]);
            const std::string picture = MakeBadgeTga(design, kBadgeSizes[size]);
            if (placement.disk[size]) {
                const std::string path = BadgeDiskPath(badgeFolder, sized);
                const std::string parent = ParentOf(path);
                if (path.empty() || (folders.insert(parent).second && !CreateFolders(parent)) ||
                    !WriteFileAtomically(path, picture)) {
                    error = "cannot write the badge picture " + path;
                    return false;
                }
                ++summary.badgeFiles;
                summary.badgeBytes += picture.size();
            }
            if (placement.archive[size]) {
                std::string entry = BadgeArchiveName(sized);
                if (capitals) {
                    entry = UpperAscii(entry);
                }
                if (!archive.AddEntry(entry, picture, packed)) {
                    error = "cannot add " + entry + " to the badge archive";
                    return false;
                }
            }
        }
        if (leftIncomplete) {
            summary.incompleteBadges.push_back(club.Id());
        } else {
            ++summary.completeBadges;
        }
    }
    std::sort(summary.incompleteBadges.begin(), summary.incompleteBadges.end());

    const std::string archivePath = installFolder + "/" + kBadgeArchive;
    std::vector<uint8_t> bytes;
    if (!archive.Build(bytes) ||
        !WriteFileAtomically(
            archivePath,
            std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()))) {
        error = "cannot write " + archivePath;
        return false;
    }
    summary.badgeEntries = archive.Count();
    summary.badgeBytes += bytes.size();
    return true;
}

} // namespace tallo::sample
