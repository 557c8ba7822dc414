#include "gamedb/deferred_names.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "gamedb/master_buffer.h"
#include "gamedb/name_store.h"

namespace tallo {
namespace {

struct NameUse {
    int pool;
    int kind;
    std::string name;
};

// Every list's table: names, indices and counts.
std::string Tables(const NameStore& store) {
    std::string tables;
    for (int pool = 0; pool < NameStore::kPools; ++pool) {
        for (int kind = 0; kind < NameStore::kKinds; ++kind) {
            tables += store.List(pool, kind).TableImage();
        }
    }
    return tables;
}

// Names looked up one after the other, each index written as it is met.
std::string LookedUpInOrder(const std::vector<std::vector<NameUse>>& parts, NameStore& store) {
    MasterBuffer buffer;
    buffer.BeginKeeping();
    for (const auto& part : parts) {
        for (const NameUse& use : part) {
            buffer.U8(0x7E);
            buffer.U16(store.LookUp(use.pool, use.kind, use.name));
        }
    }
    buffer.EndKeeping();
    EXPECT_TRUE(buffer.StartWritePass());
    buffer.PutKept();
    return buffer.Contents();
}

// Each part's names noted in a buffer of its own, then resolved on `threads` threads and
// joined in order.
std::string Deferred(const std::vector<std::vector<NameUse>>& parts, NameStore& store,
                     int threads) {
    std::vector<MasterBuffer> buffers(parts.size());
    std::vector<DeferredNames> names(parts.size());
    std::vector<const DeferredNames*> noted;
    std::vector<MasterBuffer*> kept;
    for (size_t i = 0; i < parts.size(); ++i) {
        MasterBuffer& part = buffers[i];
        part.BeginKeeping();
        for (const NameUse& use : parts[i]) {
            part.U8(0x7E);
            part.U16(names[i].Note(use.pool, use.kind, use.name, part.Position()));
        }
        part.EndKeeping();
        noted.push_back(&names[i]);
        kept.push_back(&part);
    }
    DeferredNames::ResolveInOrder(noted, kept, store, threads);
    MasterBuffer buffer;
    buffer.BeginKeeping();
    for (MasterBuffer& part : buffers) {
        buffer.AppendKept(part);
    }
    buffer.EndKeeping();
    EXPECT_TRUE(buffer.StartWritePass());
    buffer.PutKept();
    EXPECT_FALSE(buffer.Faulted()) << buffer.FaultText();
    return buffer.Contents();
}

TEST(DeferredNames, ResolvedPartsGiveTheIndicesAndCountsOfLookUpsInOrder) {
    // Names shared between parts and lists, met first in different parts, the blank " ",
    // empty names, pools outside 0-63 and kinds outside 0-4, on a store that already holds
    // names from a name file.
    std::mt19937 random(7);
    const std::vector<std::string> names = {"Berg", "Olsen", " ",    "",     "Zeta", "Ås",
                                            "berg", "Berg ", "Nord", "Lund", "Vik",  "Holm"};
    std::vector<std::vector<NameUse>> parts(5);
    for (auto& part : parts) {
        const size_t count = random() % 400;
        for (size_t i = 0; i < count; ++i) {
            const int pool = static_cast<int>(random() % 5) - (random() % 50 == 0 ? 9 : 0) +
                             (random() % 60 == 0 ? 70 : 0);
            const int kind = static_cast<int>(random() % 6);
            part.push_back(
                {pool, kind,
                 names[random() % names.size()] +
                     (random() % 4 == 0 ? std::to_string(random() % 90) : std::string())});
        }
    }
    parts[2].clear();

    NameStore inOrder;
    inOrder.LoadNameText("Olsen\r\nHolm\r\n%2\r\nVik\r\n", kSurname);
    const std::string expected = LookedUpInOrder(parts, inOrder);
    EXPECT_GT(expected.size(), 600u);
    inOrder.WeightAndFreeze();
    for (int threads : {1, 3}) {
        NameStore deferred;
        deferred.LoadNameText("Olsen\r\nHolm\r\n%2\r\nVik\r\n", kSurname);
        const std::string got = Deferred(parts, deferred, threads);
        EXPECT_TRUE(got == expected) << threads << " threads";
        deferred.WeightAndFreeze();
        EXPECT_TRUE(Tables(deferred) == Tables(inOrder)) << threads << " threads";
    }
}

TEST(DeferredNames, AListThatOverflowsIsReportedAsInOrder) {
    // 65,536 new names in each of two lists, the second filled earlier in the parts: the
    // report names the list that overflowed first in order, on any number of threads.
    std::vector<std::vector<NameUse>> parts(3);
    for (int i = 0; i < 65536; ++i) {
        parts[static_cast<size_t>(i < 65000 ? 0 : 1)].push_back(
            {5, kMaleFirstName, "F" + std::to_string(i)});
        parts[static_cast<size_t>(i % 2)].push_back({3, kSurname, "N" + std::to_string(i)});
    }
    parts[2].push_back({3, kSurname, "N1"});
    NameStore inOrder;
    const std::string expected = LookedUpInOrder(parts, inOrder);
    ASSERT_TRUE(inOrder.Overflowed());
    EXPECT_NE(inOrder.ProblemText().find("pool 5"), std::string::npos) << inOrder.ProblemText();
    for (int threads : {1, 2, 3}) {
        NameStore deferred;
        EXPECT_TRUE(Deferred(parts, deferred, threads) == expected) << threads << " threads";
        EXPECT_TRUE(deferred.Overflowed());
        EXPECT_EQ(deferred.ProblemText(), inOrder.ProblemText()) << threads << " threads";
    }
}

TEST(DeferredNames, NotesEachNameOnceAndEveryUse) {
    DeferredNames names;
    names.Note(1, kSurname, "Berg", 0);
    names.Note(1, kSurname, "Berg", 2);
    names.Note(2, kSurname, "Berg", 4);
    names.Note(1, kMaleFirstName, "Berg", 6);
    names.Note(1, kSurname, "", 8);
    names.Note(1, 9, "Berg", 10);
    EXPECT_EQ(names.NameCount(), 3u);
    EXPECT_EQ(names.UseCount(), 4u);
}

} // namespace
} // namespace tallo
