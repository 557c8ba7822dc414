#include "app/world_internationals.h"

#include <map>
#include <mutex>

#include "competitions/international_competitions.h"

namespace tallo {

namespace {

// Which holder keeps the competitions of which world.
struct HolderIndex {
    std::mutex mutex;
    std::map<const CWorld*, WorldInternationals*> holders;
};

HolderIndex& Index() {
    static HolderIndex index;
    return index;
}

} // namespace

WorldInternationals::WorldInternationals() = default;

WorldInternationals::~WorldInternationals() {
    Release();
}

int WorldInternationals::Load(CWorld& world, const std::string& scriptFolder,
                              std::vector<std::string>* notes) {
    Release();
    {
        HolderIndex& index = Index();
        const std::lock_guard<std::mutex> lock(index.mutex);
        if (!index.holders.emplace(&world, this).second) {
            if (notes != nullptr) {
                notes->push_back("the international competitions of this database are loaded "
                                 "already; they are not loaded a second time");
            }
            return -1;
        }
    }
    world_ = &world;
    competitions_ = std::make_unique<CInternationalCompetitions>(&world);
    return competitions_->Load(scriptFolder, notes);
}

void WorldInternationals::Release() {
    if (world_ == nullptr) {
        return;
    }
    competitions_.reset(); // the nodes leave the world's index here
    HolderIndex& index = Index();
    const std::lock_guard<std::mutex> lock(index.mutex);
    index.holders.erase(world_);
    world_ = nullptr;
}

CInternationalCompetitions* InternationalCompetitionsOf(const CWorld& world) {
    HolderIndex& index = Index();
    const std::lock_guard<std::mutex> lock(index.mutex);
    auto found = index.holders.find(&world);
    return found != index.holders.end() ? found->second->Competitions() : nullptr;
}

} // namespace tallo
