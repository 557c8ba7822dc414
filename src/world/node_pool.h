#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <new>
#include <vector>

namespace tallo {

// Storage for the small nodes of the world's player registry (one tree node and one hash node
// per player): blocks of a few sizes cut from large chunks, a freed block kept for the next
// block of its size. A load enters 150,000 players; taking their nodes from here costs a few
// instructions each instead of two calls of the general allocator, and the nodes of players
// entered one after the other lie side by side.
//
// The pool hands out memory only; the containers construct and destroy what lies in it. It is
// not safe to use from several threads at once, as the containers it serves are not. Chunks
// are given back when the pool is destroyed, so it must outlive every container using it.
class NodePool {
public:
    // Blocks up to this many bytes come from the pool; larger ones from operator new.
    static constexpr size_t kLargestBlock = 64;
    // Every block lies on a multiple of this from the start of a chunk.
    static constexpr size_t kBlockAlignment = 8;

    NodePool() = default;
    ~NodePool();
    NodePool(const NodePool&) = delete;
    NodePool& operator=(const NodePool&) = delete;

    // A block of at least `size` bytes (1 to kLargestBlock), aligned to kBlockAlignment.
    void* Allocate(size_t size) {
        const size_t sizeClass = SizeClass(size);
        if (FreeBlock* block = free_[sizeClass]) {
            free_[sizeClass] = block->next;
            return block;
        }
        const size_t bytes = sizeClass * kGranule;
        if (static_cast<size_t>(end_ - next_) < bytes) {
            NewChunk();
        }
        void* block = next_;
        next_ += bytes;
        return block;
    }
    // Gives back a block that Allocate(size) returned, with the same size.
    void Free(void* block, size_t size) {
        const size_t sizeClass = SizeClass(size);
        auto* freed = static_cast<FreeBlock*>(block);
        freed->next = free_[sizeClass];
        free_[sizeClass] = freed;
    }

    // Bytes taken from the system in chunks (for tests).
    size_t ChunkBytes() const { return chunks_.size() * kChunkBytes; }

private:
    struct FreeBlock {
        FreeBlock* next;
    };
    static constexpr size_t kGranule = 8;
    static constexpr size_t kChunkBytes = 64 * 1024;
    static_assert(sizeof(FreeBlock) <= kGranule);

    static size_t SizeClass(size_t size) { return (size + kGranule - 1) / kGranule; }
    void NewChunk();

    std::array<FreeBlock*, kLargestBlock / kGranule + 1> free_{};
    char* next_ = nullptr;
    char* end_ = nullptr;
    std::vector<std::unique_ptr<char[]>> chunks_;
};

// A standard allocator over a NodePool: single objects small enough for the pool come from
// it, everything else (the bucket array of a hash table) from operator new. Allocators of the
// same pool are equal.
template <class T> class PoolAllocator {
public:
    using value_type = T;

    explicit PoolAllocator(NodePool* pool) noexcept : pool_(pool) {}
    template <class U>
    PoolAllocator(const PoolAllocator<U>& other) noexcept : pool_(other.Pool()) {}

    T* allocate(size_t n) {
        if (FromPool(n)) {
            return static_cast<T*>(pool_->Allocate(sizeof(T)));
        }
        return std::allocator<T>().allocate(n);
    }
    void deallocate(T* block, size_t n) noexcept {
        if (FromPool(n)) {
            pool_->Free(block, sizeof(T));
            return;
        }
        std::allocator<T>().deallocate(block, n);
    }

    NodePool* Pool() const { return pool_; }
    template <class U> bool operator==(const PoolAllocator<U>& other) const {
        return pool_ == other.Pool();
    }

private:
    static bool FromPool(size_t n) {
        return n == 1 && sizeof(T) <= NodePool::kLargestBlock &&
               alignof(T) <= NodePool::kBlockAlignment;
    }

    NodePool* pool_;
};

} // namespace tallo
