#include "world/node_pool.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <set>
#include <unordered_map>
#include <vector>

#include "support/small_random.h"

namespace tallo {
namespace {

TEST(NodePoolTest, LiveBlocksNeverOverlapAndFreedOnesAreReused) {
    NodePool pool;
    test::SmallRandom next(4242);
    struct Live {
        unsigned char* block;
        size_t size;
        unsigned char fill;
    };
    std::vector<Live> live;
    std::set<void*> freed;
    size_t reused = 0;
    for (int step = 0; step < 60000; ++step) {
        if (live.empty() || next(3) != 0) {
            const size_t size = 1 + next(NodePool::kLargestBlock);
            auto* block = static_cast<unsigned char*>(pool.Allocate(size));
            ASSERT_EQ(reinterpret_cast<uintptr_t>(block) % NodePool::kBlockAlignment, 0u);
            reused += freed.erase(block);
            const auto fill = static_cast<unsigned char>(next(256));
            std::memset(block, fill, size);
            live.push_back({block, size, fill});
        } else {
            const size_t at = next(static_cast<uint32_t>(live.size()));
            const Live gone = live[at];
            // Nothing else wrote into the block while it was live.
            for (size_t i = 0; i < gone.size; ++i) {
                ASSERT_EQ(gone.block[i], gone.fill);
            }
            pool.Free(gone.block, gone.size);
            freed.insert(gone.block);
            live[at] = live.back();
            live.pop_back();
        }
    }
    for (const Live& block : live) {
        for (size_t i = 0; i < block.size; ++i) {
            ASSERT_EQ(block.block[i], block.fill);
        }
    }
    EXPECT_GT(reused, 1000u);
    // Freed blocks are taken again before new memory: far less than one chunk per 1000 steps.
    EXPECT_LT(pool.ChunkBytes(), size_t{2} * 1024 * 1024);
}

TEST(NodePoolTest, ContainersOverThePoolHoldWhatPlainOnesHold) {
    NodePool pool;
    using Pair = std::pair<const uint32_t, uint64_t>;
    std::map<uint32_t, uint64_t, std::less<uint32_t>, PoolAllocator<Pair>> tree{
        PoolAllocator<Pair>(&pool)};
    std::unordered_map<uint32_t, uint64_t, std::hash<uint32_t>, std::equal_to<uint32_t>,
                       PoolAllocator<Pair>>
        hash{PoolAllocator<Pair>(&pool)};
    std::map<uint32_t, uint64_t> plain;
    test::SmallRandom next(99);
    for (int step = 0; step < 40000; ++step) {
        const uint32_t key = next(5000);
        if (next(3) == 0) {
            const size_t erased = plain.erase(key);
            EXPECT_EQ(tree.erase(key), erased);
            EXPECT_EQ(hash.erase(key), erased);
        } else {
            const uint64_t value = uint64_t{key} * 7919 + static_cast<uint64_t>(step);
            plain[key] = value;
            tree[key] = value;
            hash[key] = value;
        }
    }
    ASSERT_EQ(tree.size(), plain.size());
    ASSERT_EQ(hash.size(), plain.size());
    auto it = tree.begin();
    for (const auto& [key, value] : plain) {
        ASSERT_EQ(it->first, key);
        ASSERT_EQ(it->second, value);
        ++it;
        const auto found = hash.find(key);
        ASSERT_NE(found, hash.end());
        ASSERT_EQ(found->second, value);
    }
    // The bucket array of the hash table is no node: it comes from operator new, and the
    // allocators of one pool are equal whatever they allocate.
    EXPECT_GT(hash.bucket_count(), 1000u);
    EXPECT_TRUE(tree.get_allocator() == hash.get_allocator());
    NodePool other;
    EXPECT_FALSE(tree.get_allocator() == PoolAllocator<Pair>(&other));
}

TEST(NodePoolTest, ArraysAndLargeObjectsGoToTheGeneralAllocator) {
    NodePool pool;
    struct Large {
        char bytes[NodePool::kLargestBlock + 8];
    };
    PoolAllocator<Large> large(&pool);
    Large* one = large.allocate(1);
    PoolAllocator<uint64_t> words(&pool);
    uint64_t* array = words.allocate(1000);
    for (int i = 0; i < 1000; ++i) {
        array[i] = static_cast<uint64_t>(i);
    }
    std::memset(one, 0x5A, sizeof(Large));
    EXPECT_EQ(pool.ChunkBytes(), 0u);
    words.deallocate(array, 1000);
    large.deallocate(one, 1);
    uint64_t* single = words.allocate(1);
    EXPECT_GT(pool.ChunkBytes(), 0u);
    words.deallocate(single, 1);
}

} // namespace
} // namespace tallo
