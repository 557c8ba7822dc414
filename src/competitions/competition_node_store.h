#pragma once

#include <cstdint>
#include <map>
#include <memory>

#include "competitions/db_competition.h"

namespace tallo {

class CWorld;

// Owns a set of competition nodes (one country's tree, or the international competitions) and
// keeps them entered in the world's competition index for as long as it holds them.
class CompetitionNodeStore {
public:
    using NodeMap = std::map<uint32_t, std::unique_ptr<CDBCompetition>>;

    explicit CompetitionNodeStore(CWorld* world) : world_(world) {}
    // Takes every node out of the index (only where the index still leads to it) and
    // destroys it.
    ~CompetitionNodeStore();
    CompetitionNodeStore(const CompetitionNodeStore&) = delete;
    CompetitionNodeStore& operator=(const CompetitionNodeStore&) = delete;

    CWorld* World() const { return world_; }

    // Registers and keeps the node; nullptr (the node is dropped) for ID 0 or an ID that is
    // taken. With `takeOver` an ID entered by another holder is taken over: the index then
    // leads here, and the other holder leaves the entry alone when it lets its node go (used
    // when a tree is copied over the one it replaces).
    CDBCompetition* Add(std::unique_ptr<CDBCompetition> node, bool takeOver = false);
    // A node of this store.
    CDBCompetition* FindOwn(uint32_t id) const;
    // A registered node of the world (or of this store when there is no world).
    CDBCompetition* Find(uint32_t id) const;
    // Takes the node out of its chain and out of the links of every node it links to,
    // unregisters it and hands it back; nullptr when it is not in this store.
    std::unique_ptr<CDBCompetition> TakeOut(uint32_t id);
    // TakeOut, then destroy.
    bool Delete(uint32_t id);
    const NodeMap& Nodes() const { return nodes_; }
    size_t Size() const { return nodes_.size(); }

private:
    void Unregister(const CDBCompetition& node);

    CWorld* world_;
    NodeMap nodes_;
};

} // namespace tallo
