#include "world/stadium_list.h"

#include "formats/kl_file.h"
#include "platform/path_resolver.h"

namespace tallo {

namespace {

Stadium MakeFallbackFrame() {
    Stadium stadium;
    stadium.SetName("Stadion");
    stadium.model = 1;
    stadium.sizeClass = 1;
    stadium.seasonTicketStands = 0x07; // stands 0, 1 and 2
    stadium.awayStands = 0x40;         // stand 6
    return stadium;
}

} // namespace

Stadium MakeSmallFallbackStadium() {
    Stadium stadium = MakeFallbackFrame();
    for (int stand = 0; stand < Stadium::kStandCount; ++stand) {
        stadium.seats[stand] = stand < 4 ? 1000 : 0;
        stadium.terraces[stand] = 500;
    }
    return stadium;
}

Stadium MakeLargeFallbackStadium() {
    static constexpr int32_t kSeats[Stadium::kStandCount] = {9650, 9650, 5760, 5760,
                                                             2880, 2880, 2880, 2880};
    Stadium stadium = MakeFallbackFrame();
    for (int stand = 0; stand < Stadium::kStandCount; ++stand) {
        stadium.seats[stand] = kSeats[stand];
    }
    return stadium;
}

StadiumList::StadiumList()
    : smallFallback_(MakeSmallFallbackStadium()), largeFallback_(MakeLargeFallbackStadium()) {}

bool StadiumList::Load(const std::string& installFolder, const std::string& dataFolder) {
    return LoadFile(installFolder + "/" + dataFolder + "/" + kFileName);
}

bool StadiumList::LoadFile(const std::string& path) {
    // Opening a database loads the list again; it replaces what an earlier load put in.
    entries_.clear();

    CKLFile file;
    if (!file.OpenForRead(ResolvePath(path))) {
        return false;
    }
    int32_t count = 0;
    file.ReadInt(count);
    if (count > kMaxEntries) {
        count = kMaxEntries;
    }
    for (int32_t i = 0; i < count; ++i) {
        StadiumModel model;
        if (!file.ReadCString(model.name)) {
            break;
        }
        file.ReadByte(model.number);
        file.ReadBool(model.flag);
        entries_.push_back(std::move(model));
    }
    file.Close();
    return true;
}

void StadiumList::Clear() {
    entries_.clear();
}

void StadiumList::ApplyModelChoice(Stadium& stadium, size_t index) const {
    if (index < entries_.size()) {
        stadium.model = entries_[index].number;
        stadium.SetModelFlag(entries_[index].flag);
    } else {
        stadium.model = 0;
        stadium.SetModelFlag(false);
    }
    stadium.SetCapacityClass(index == 0 ? 1 : index == 1 ? 6 : 0);
    stadium.ApplyCapacityLimits();
}

StadiumList& GlobalStadiumList() {
    static StadiumList list;
    return list;
}

} // namespace tallo
