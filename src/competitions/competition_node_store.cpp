#include "competitions/competition_node_store.h"

#include "world/world.h"

namespace tallo {

CompetitionNodeStore::~CompetitionNodeStore() {
    for (auto& [id, node] : nodes_) {
        Unregister(*node);
    }
}

void CompetitionNodeStore::Unregister(const CDBCompetition& node) {
    if (world_ != nullptr && world_->FindCompetition(node.Id()) == &node) {
        world_->UnregisterCompetition(node.Id());
    }
}

CDBCompetition* CompetitionNodeStore::Add(std::unique_ptr<CDBCompetition> node, bool takeOver) {
    if (node == nullptr || node->Id() == 0 || nodes_.count(node->Id()) != 0) {
        return nullptr;
    }
    const uint32_t id = node->Id();
    if (world_ != nullptr) {
        if (world_->FindCompetition(id) != nullptr) {
            if (!takeOver) {
                return nullptr;
            }
            world_->UnregisterCompetition(id);
        }
        if (!world_->RegisterCompetition(id, node.get())) {
            return nullptr;
        }
    }
    node->SetWorld(world_);
    CDBCompetition* added = node.get();
    nodes_.emplace(id, std::move(node));
    return added;
}

CDBCompetition* CompetitionNodeStore::FindOwn(uint32_t id) const {
    auto found = nodes_.find(id);
    return found != nodes_.end() ? found->second.get() : nullptr;
}

CDBCompetition* CompetitionNodeStore::Find(uint32_t id) const {
    if (id == 0) {
        return nullptr;
    }
    if (world_ == nullptr) {
        return FindOwn(id);
    }
    return world_->FindCompetition(id);
}

std::unique_ptr<CDBCompetition> CompetitionNodeStore::TakeOut(uint32_t id) {
    auto found = nodes_.find(id);
    if (found == nodes_.end()) {
        return nullptr;
    }
    CDBCompetition& node = *found->second;
    // Out of its chain: the previous node's next becomes its next, and the other way round.
    CDBCompetition* previous = Find(node.Previous());
    CDBCompetition* next = Find(node.Next());
    if (previous != nullptr && previous != &node) {
        previous->SetNext(node.Next());
    }
    if (next != nullptr && next != &node) {
        next->SetPrevious(node.Previous());
    }
    // Out of the links of every node it links to.
    CDBCompetition::LinkList predecessors = node.Predecessors();
    CDBCompetition::LinkList successors = node.Successors();
    for (uint32_t other : predecessors) {
        if (CDBCompetition* linked = Find(other); linked != nullptr && linked != &node) {
            linked->RemoveSuccessor(id, false);
        }
    }
    for (uint32_t other : successors) {
        if (CDBCompetition* linked = Find(other); linked != nullptr && linked != &node) {
            linked->RemovePredecessor(id, false);
        }
    }
    node.SetPredecessors({});
    node.SetSuccessors({});
    Unregister(node);
    std::unique_ptr<CDBCompetition> taken = std::move(found->second);
    nodes_.erase(found);
    taken->SetWorld(nullptr);
    return taken;
}

bool CompetitionNodeStore::Delete(uint32_t id) {
    return TakeOut(id) != nullptr;
}

} // namespace tallo
