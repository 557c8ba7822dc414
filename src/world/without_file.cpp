// Without.sav: the players without a club.

#include <algorithm>
#include <cerrno>
#include <string>
#include <utility>
#include <vector>

#include "formats/kl_file.h"
#include "platform/atomic_file.h"
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
    const std::string path = WithoutFilePath();
    if (!file.OpenForRead(path)) {
        if (file.OpenError() != ENOENT) {
            withoutUnreadable_ = true;
            loadFindings_.push_back(
                {path, 0, "cannot be read: " + FileErrorText(file.OpenError())});
        }
        return false;
    }
    if (!file.FindSection(kWithoutSection)) {
        withoutUnreadable_ = true;
        loadFindings_.push_back({path, 0, "holds no WITHOUT section"});
        return false;
    }
    int32_t count = 0;
    file.ReadInt(count);
    // Every player needs at least its two section lines in the file.
    const size_t playerBytes = 2 * CPlayer::kSection.size() + 19;
    const size_t players =
        count > 0 ? std::min(static_cast<size_t>(count), file.BytesRead() / playerBytes) : 0;
    const size_t before = withoutClub_.size();
    withoutClub_.reserve(before + players);
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
    const size_t read = withoutClub_.size() - before;
    if (count > 0 && read < static_cast<size_t>(count)) {
        file.NoteFinding("section WITHOUT promises " + std::to_string(count) +
                         " players; the file holds " + std::to_string(read));
    }
    if (!file.SkipSection(kWithoutSection)) {
        file.NoteFinding("the file ends before the end of section WITHOUT");
    }
    NoteFileFindings(path, file);
    file.Close();
    return true;
}

bool CWorld::IsWithoutClub(uint32_t id) const {
    return std::find(withoutClub_.begin(), withoutClub_.end(), id) != withoutClub_.end();
}

void CWorld::AddWithoutClub(uint32_t id) {
    if (!IsWithoutClub(id)) {
        withoutClub_.push_back(id);
    }
}

bool CWorld::TakeOutOfWithoutClub(uint32_t id) {
    return std::erase(withoutClub_, id) > 0;
}

} // namespace tallo
