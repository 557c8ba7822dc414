#include "mapping/global_tools.h"

#include "formats/per_language_tables.h"
#include "mapping/letter_case.h"
#include "world/player.h"
#include "world/world.h"

#include <optional>

namespace tallo {

CGlobalTools::CGlobalTools() = default;

CGlobalTools::~CGlobalTools() {
    Stop();
}

std::string CGlobalTools::InstallPath(std::string_view relative) const {
    if (installFolder_.empty()) {
        return std::string(relative);
    }
    std::string path = installFolder_;
    if (path.back() != '/') {
        path += '/';
    }
    path.append(relative);
    return path;
}

bool CGlobalTools::Start(const std::string& installFolder, IPrompt* prompt) {
    Stop();
    installFolder_ = installFolder;
    playerMapping_.Load(InstallPath(kPlayerIdFile));
    starHeads_.Load(InstallPath(kStarHeadsFile));
    clubMapping_.Load(InstallPath(kClubIdFile));
    badgeArchive_.SetPrompt(prompt);
    badgeArchive_.Open(InstallPath(kBadgeArchiveFile), true);
    // Later failures of the archive (a badge missing from it) are shown by whoever reads it.
    badgeArchive_.SetPrompt(nullptr);
    const bool result = nameLists_.Load(InstallPath(kMaleNamesFile), InstallPath(kFemaleNamesFile),
                                        InstallPath(kSurnamesFile));
    initialised_ = true;
    return result;
}

void CGlobalTools::Stop() {
    playerMapping_.Clear();
    clubMapping_.Clear();
    starHeads_.Clear();
    badgeArchive_.Close();
    nameLists_.Clear();
    initialised_ = false;
}

CBadgeSources CGlobalTools::BadgeSources() {
    return CBadgeSources(InstallPath(kBadgeFolder), &badgeArchive_);
}

bool CGlobalTools::CheckBadge(std::string_view name) {
    return BadgeSources().CheckBadge(name);
}

FaceMappingResult CGlobalTools::MapFaces(CWorld& world, const CBaseTextFile& faces,
                                         const std::string& reportPath, bool overwrite) {
    return tallo::MapFaces(world, faces, reportPath, overwrite);
}

NicknameUpdateResult CGlobalTools::UpdateNicknames(CWorld& world, int country,
                                                   const std::string& reportPath) {
    return tallo::UpdateNicknames(world, playerMapping_, country, reportPath);
}

void CGlobalTools::InstallLookups(CWorld& world, const PerLanguageTables& tables) const {
    WorldLookups lookups;
    const CZeloPlayerMapping* players = &playerMapping_;
    lookups.mappedId = [players](const CPlayer& player) -> std::optional<uint32_t> {
        if (players->Empty()) {
            return std::nullopt;
        }
        return static_cast<uint32_t>(players->FindZeloId(player));
    };
    const CBaseTextFile* faces = &tables.Faces();
    lookups.isSpecialFace = [faces](uint16_t face) { return faces->HasNumber(face); };
    lookups.findSpecialFace = [faces](std::string_view name) -> uint16_t {
        if (name.empty()) {
            return 0;
        }
        for (int32_t row = 0; row < faces->Count(); ++row) {
            if (EqualsIgnoringCase(faces->Text(row), name)) {
                return static_cast<uint16_t>(faces->Number(row));
            }
        }
        return 0;
    };
    const CTeamColourTextFile* colours = &tables.TeamColours();
    lookups.teamColour = [colours](std::string_view clubName, uint16_t& entry) {
        if (clubName.empty()) {
            return false;
        }
        for (int32_t row = 0; row < colours->Count(); ++row) {
            if (colours->Text(row) == clubName) {
                entry = static_cast<uint16_t>(colours->Number(row));
                return true;
            }
        }
        return false;
    };
    world.SetLookups(std::move(lookups));
}

CGlobalTools& GlobalTools() {
    static CGlobalTools tools;
    return tools;
}

} // namespace tallo
