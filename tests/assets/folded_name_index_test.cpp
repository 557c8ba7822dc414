#include "assets/folded_name_index.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <unordered_map>
#include <vector>

namespace tallo {
namespace {

std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

// Names of 0 to 40 bytes (across the eight-byte steps of the hash) drawn from letters of both
// cases, the bytes next to the letters ('@', '[', '`', '{'), digits, separators and bytes
// above 0x7F whose low seven bits are letters (never folded).
std::string RandomName(std::mt19937& random) {
    static const std::string bytes = std::string("AZaz@[`{09/._ ") + "\xC1\xDA\xE1\xFA\x80\xFF";
    std::string name(random() % 41, ' ');
    for (char& c : name) {
        c = bytes[random() % bytes.size()];
    }
    return name;
}

TEST(FoldedNameIndex, FindsWhatALowerCaseMapFinds) {
    std::mt19937 random(11);
    FoldedNameIndex index;
    std::unordered_map<std::string, int> reference;
    std::vector<std::string> added;
    for (int number = 0; number < 5000; ++number) {
        std::string name = RandomName(random);
        if (!added.empty() && random() % 4 == 0) {
            // Another spelling of a name added before: the first number stays.
            name = added[random() % added.size()];
            for (char& c : name) {
                if (random() % 2 == 0 && c >= 'a' && c <= 'z') {
                    c = static_cast<char>(c - 'a' + 'A');
                }
            }
        }
        index.Add(name, number);
        reference.emplace(Lower(name), number);
        added.push_back(name);
    }
    EXPECT_EQ(index.Size(), reference.size());
    for (int probe = 0; probe < 20000; ++probe) {
        const std::string name =
            probe % 2 == 0 ? added[random() % added.size()] : RandomName(random);
        const auto found = reference.find(Lower(name));
        EXPECT_EQ(index.Find(name), found == reference.end() ? -1 : found->second)
            << "name \"" << name << "\"";
    }

    // Looked up together, in runs longer and shorter than those fetched side by side, the
    // names give what each gives alone.
    for (const size_t count : {size_t{1}, size_t{7}, size_t{8}, size_t{9}, size_t{45}}) {
        std::vector<std::string> names;
        for (size_t i = 0; i < count; ++i) {
            names.push_back(i % 2 == 0 ? added[random() % added.size()] : RandomName(random));
        }
        const std::vector<std::string_view> views(names.begin(), names.end());
        std::vector<int> numbers(count, -7);
        index.FindAll(views, numbers);
        for (size_t i = 0; i < count; ++i) {
            EXPECT_EQ(numbers[i], index.Find(names[i])) << "name \"" << names[i] << "\"";
        }
    }
}

TEST(FoldedNameIndex, FoldsOnlyAsciiLettersAndHashesEverySpellingAlike) {
    FoldedNameIndex index;
    index.Add("Badge74/Logo.TGA", 3);
    index.Add("\xC4ra", 4); // a byte above 0x7F is no letter to fold
    EXPECT_EQ(index.Find("badge74/logo.tga"), 3);
    EXPECT_EQ(index.Find("BADGE74/LOGO.tga"), 3);
    EXPECT_EQ(index.Find("badge74/logo.tg"), -1);
    EXPECT_EQ(index.Find("\xE4ra"), -1);
    EXPECT_EQ(index.Find("\xC4RA"), 4);
    EXPECT_EQ(FoldedNameIndex::HashOf("Ab@[`{Zz12345678X"),
              FoldedNameIndex::HashOf("aB@[`{zZ12345678x"));
    EXPECT_NE(FoldedNameIndex::HashOf("@"), FoldedNameIndex::HashOf("`"));
    FoldedNameIndex empty;
    EXPECT_EQ(empty.Find("x"), -1);
    const std::vector<std::string_view> names = {"x", ""};
    std::vector<int> numbers = {5, 5};
    empty.FindAll(names, numbers);
    EXPECT_EQ(numbers, (std::vector<int>{-1, -1}));
}

} // namespace
} // namespace tallo
