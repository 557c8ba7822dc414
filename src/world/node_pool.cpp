#include "world/node_pool.h"

namespace tallo {

static_assert(__STDCPP_DEFAULT_NEW_ALIGNMENT__ >= NodePool::kBlockAlignment,
              "chunks must start on the block alignment");

NodePool::~NodePool() = default;

void NodePool::NewChunk() {
    // What is left of the current chunk is too small for the block asked for; it stays unused
    // (at most kLargestBlock - kGranule bytes per chunk).
    chunks_.push_back(std::make_unique_for_overwrite<char[]>(kChunkBytes));
    next_ = chunks_.back().get();
    end_ = next_ + kChunkBytes;
}

} // namespace tallo
