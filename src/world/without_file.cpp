// Without.sav: the players without a club.

#include <algorithm>
#include <utility>
#include <vector>

#include "formats/kl_file.h"
#include "world/file_version.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {

namespace {

constexpr std::string_view kWithoutSection = "WITHOUT";

} // namespace

bool CWorld::SaveWithout() const {
    CKLFile file;
    if (!file.OpenForWrite(WithoutFilePath())) {
        return false;
    }
    // The count is that of the players written: an entry without a player writes nothing, and
    // counting it would make the loader invent a player for it.
    std::vector<const CPlayer*> listed;
    listed.reserve(withoutClub_.size());
    for (uint32_t id : withoutClub_) {
        if (const CPlayer* player = FindPlayer(id)) {
            listed.push_back(player);
        }
    }
    bool ok = file.WriteSectionBegin(kWithoutSection);
    ok = file.WriteInt(static_cast<int32_t>(listed.size())) && ok;
    for (const CPlayer* player : listed) {
        ok = player->Save(file) && ok;
    }
    ok = file.WriteSectionEnd(kWithoutSection) && ok;
    if (!ok) {
        file.AbandonWrite();
        return false;
    }
    return file.Close();
}

bool CWorld::LoadWithout() {
    CKLFile file;
    if (!file.OpenForRead(WithoutFilePath()) || !file.FindSection(kWithoutSection)) {
        return false;
    }
    int32_t count = 0;
    file.ReadInt(count);
    // Every player needs at least its two section lines in the file.
    const size_t playerBytes = 2 * CPlayer::kSection.size() + 19;
    const size_t players =
        count > 0 ? std::min(static_cast<size_t>(count), file.BytesRead() / playerBytes) : 0;
    withoutClub_.reserve(withoutClub_.size() + players);
    const uint32_t version = FileVersion::Loaded();
    for (size_t i = 0; i < players; ++i) {
        CPlayer* player = CreatePlayer(NextFreePlayerId(), true);
        if (player == nullptr) {
            break;
        }
        FileVersion::SetLoaded(version);
        if (!player->Load(file)) {
            RemovePlayer(player->Id()); // the count promised more players than there are
            break;
        }
        player->PostLoadCheck();
        withoutClub_.push_back(player->Id());
    }
    file.SkipSection(kWithoutSection);
    file.Close();
    return true;
}

} // namespace tallo
