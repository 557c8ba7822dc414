#pragma once

#include <memory>
#include <string>
#include <vector>

namespace tallo {

class CInternationalCompetitions;
class CWorld;

// The international competitions of one loaded world: the nodes of the script folder's
// definition files, entered in that world's competition index. A world has no place of its own
// for them, so whoever owns a world keeps one of these beside it, declared after the world:
// it is then destroyed first, and its nodes leave the index while the world still exists.
//
// While a holder keeps competitions for a world, InternationalCompetitionsOf(world) finds them
// (for code that is handed only the world, such as the game database build).
class WorldInternationals {
public:
    WorldInternationals();
    ~WorldInternationals();
    WorldInternationals(const WorldInternationals&) = delete;
    WorldInternationals& operator=(const WorldInternationals&) = delete;

    // Drops what this holder kept and loads the international competitions of `scriptFolder`
    // for `world` (see CInternationalCompetitions::Load; missing files are passed over).
    // Returns the number of nodes loaded. A world whose competitions another holder keeps is
    // refused: -1, nothing loaded, and a note says why.
    int Load(CWorld& world, const std::string& scriptFolder,
             std::vector<std::string>* notes = nullptr);
    // Takes the nodes out of the world's index and forgets the world.
    void Release();

    CWorld* World() const { return world_; }
    CInternationalCompetitions* Competitions() const { return competitions_.get(); }

private:
    CWorld* world_ = nullptr;
    std::unique_ptr<CInternationalCompetitions> competitions_;
};

// The international competitions a holder keeps for the world; nullptr when none does.
CInternationalCompetitions* InternationalCompetitionsOf(const CWorld& world);

} // namespace tallo
