#include "assets/badge_list.h"

#include "assets/badge_names.h"
#include "assets/badge_sources.h"
#include "badge_test_support.h"
#include "platform/scripted_prompt.h"

#include <gtest/gtest.h>

namespace tallo {
namespace {

using test::BadgeInstallation;
using test::TinyTga;

std::vector<std::string> GroupNames(const CBadgeList& list) {
    std::vector<std::string> names;
    for (const BadgeGroup& group : list.Groups()) {
        names.push_back(group.name);
    }
    return names;
}

std::vector<std::string> ItemNames(const BadgeGroup& group) {
    std::vector<std::string> names;
    for (const BadgeItem& item : group.items) {
        names.push_back(item.relativeName);
    }
    return names;
}

class BadgeListTest : public ::testing::Test {
protected:
    void Build() {
        install_.OpenArchive(archive_);
        list_.Build(CBadgeSources(install_.Folder(), &archive_));
    }

    ScriptedPrompt prompt_;
    CVantorBig archive_{&prompt_};
    BadgeInstallation install_;
    CBadgeList list_;
};

TEST_F(BadgeListTest, GroupsFromDiskAndArchive) {
    const std::string tga = TinyTga(1, 2, 3);
    install_.AddDiskFile("Ger\\Badge180\\b.tga", tga);
    install_.AddDiskFile("Ger\\Badge180\\A.TGA", tga);
    install_.AddDiskFile("Ger\\Badge74\\b.tga", tga);
    install_.AddDiskFile("Ger\\Badge180\\notes.txt", "x");
    install_.AddDiskFile("Eng\\Badge180\\c.tga", tga);
    install_.AddDiskFile("Ita\\Badge180\\readme.txt", "no pictures: no group");
    install_.AddDiskFile("Fra\\Badge74\\d.tga", tga); // no Badge180 folder
    install_.AddDiskFile(".hidden\\Badge180\\e.tga", tga);
    install_.AddDiskFile("loose.tga", tga);
    install_.AddArchiveEntry("Badges\\Ger\\Badge180\\b.tga", tga); // also on disk
    install_.AddArchiveEntry("Badges\\Ger\\Badge74\\b.tga", tga);  // not the largest size
    install_.AddArchiveEntry("BADGES\\X\\BADGE180\\Y.TGA", tga);   // archive only, capitals
    install_.AddArchiveEntry("Badges\\ger\\Badge180\\z.tga", tga); // group of another case
    install_.AddArchiveEntry("Badges\\Austria\\Badge180\\w.bmp", tga);
    install_.AddArchiveEntry("Kits\\Spa\\Badge180\\k.tga", tga);   // not below Badges
    install_.AddArchiveEntry("Badges\\Badge180.tga", tga);         // no group folder
    install_.AddArchiveEntry("Badges\\..\\Badge180\\up.tga", tga); // leads out of the folder
    Build();

    EXPECT_EQ(GroupNames(list_), (std::vector<std::string>{"Eng", "Ger", "X"}));
    const BadgeGroup* ger = list_.FindGroup("GER");
    ASSERT_NE(ger, nullptr);
    EXPECT_EQ(ItemNames(*ger),
              (std::vector<std::string>{"Ger\\Badge180\\A.TGA", "Ger\\Badge180\\b.tga",
                                        "ger\\Badge180\\z.tga"}));
    // The badge found in both places is one item that knows its archive entry.
    EXPECT_EQ(ger->items[0].archiveIndex, -1);
    EXPECT_TRUE(ger->items[1].OnDisk());
    EXPECT_EQ(ger->items[1].archiveIndex, 0);
    EXPECT_FALSE(ger->items[2].OnDisk());
    EXPECT_EQ(ger->items[2].archiveIndex, 3);

    // Archive only, in capitals: group X, shown as Y.
    const BadgeGroup* x = list_.FindGroup("X");
    ASSERT_NE(x, nullptr);
    ASSERT_EQ(x->items.size(), 1u);
    EXPECT_EQ(x->items[0].archiveIndex, 2);
    EXPECT_TRUE(x->items[0].diskName.empty());
    EXPECT_EQ(BadgeDisplayName(x->items[0].relativeName), "Y");
    EXPECT_TRUE(prompt_.Calls().empty());
}

TEST_F(BadgeListTest, DuplicateArchiveEntriesKeepTheFirstIndex) {
    install_.AddArchiveEntry("Badges\\Ger\\Badge180\\a.tga", "1");
    install_.AddArchiveEntry("badges\\GER\\badge180\\A.TGA", "2");
    Build();
    ASSERT_EQ(list_.Groups().size(), 1u);
    ASSERT_EQ(list_.Groups()[0].items.size(), 1u);
    EXPECT_EQ(list_.Groups()[0].items[0].archiveIndex, 0);
}

TEST_F(BadgeListTest, NoArchiveOrAnEmptyOneLeavesTheListEmpty) {
    install_.AddDiskFile("Ger\\Badge180\\a.tga", "1");
    CVantorBig closed(&prompt_);
    list_.Build(CBadgeSources(install_.Folder(), &closed));
    EXPECT_TRUE(list_.Groups().empty());
    list_.Build(CBadgeSources(install_.Folder(), nullptr));
    EXPECT_TRUE(list_.Groups().empty());
    Build(); // an archive without entries
    EXPECT_TRUE(list_.Groups().empty());
    EXPECT_TRUE(prompt_.Calls().empty());
}

TEST_F(BadgeListTest, RebuildingStartsAfresh) {
    install_.AddArchiveEntry("Badges\\Ger\\Badge180\\a.tga", "1");
    Build();
    list_.Build(CBadgeSources(install_.Folder(), &archive_));
    ASSERT_EQ(list_.Groups().size(), 1u);
    EXPECT_EQ(list_.Groups()[0].items.size(), 1u);
}

TEST_F(BadgeListTest, FindsTheClubsBadgeRegardlessOfCaseAndSlashes) {
    install_.AddDiskFile("Eng\\Badge180\\c.tga", "1");
    install_.AddArchiveEntry("Badges\\Ger\\Badge180\\a.tga", "1");
    install_.AddArchiveEntry("Badges\\Ger\\Badge180\\b.tga", "1");
    Build();
    size_t group = 9;
    size_t item = 9;
    ASSERT_TRUE(list_.Find("GER/BADGE180/B.TGA", group, item));
    EXPECT_EQ(list_.Groups()[group].name, "Ger");
    EXPECT_EQ(item, 1u);
    ASSERT_TRUE(list_.Find("eng\\badge180\\c.tga", group, item));
    EXPECT_EQ(list_.Groups()[group].name, "Eng");
    EXPECT_FALSE(list_.Find("Ger\\Badge180\\none.tga", group, item));
    EXPECT_FALSE(list_.Find("", group, item));
}

TEST(BadgeListChosenNameTest, NamesThatDoNotFitAreRefusedNotCut) {
    BadgeItem item;
    item.relativeName = "Ger\\Badge180\\club.tga"; // 21 characters
    std::string name = "old";
    EXPECT_TRUE(CBadgeList::ChosenName(item, 22, name));
    EXPECT_EQ(name, item.relativeName);
    name = "old";
    EXPECT_FALSE(CBadgeList::ChosenName(item, 21, name));
    EXPECT_EQ(name, "old");
}

} // namespace
} // namespace tallo
