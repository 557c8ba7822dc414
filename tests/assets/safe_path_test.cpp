#include "assets/safe_path.h"

#include <gtest/gtest.h>

#include <string>

namespace tallo {
namespace {

TEST(SafePathTest, AcceptsNamesThatStayInsideTheirFolder) {
    for (const char* name : {"Badges\\Ger\\Badge180\\Club.tga", "a/b/c.tga", "file", ".hidden",
                             "a..b.tga", "dir\\.\\x", "x\\..y", "name with blanks.txt"}) {
        EXPECT_TRUE(IsSafeEntryName(name)) << name;
    }
}

TEST(SafePathTest, RefusesNamesThatLeaveTheFolder) {
    for (const char* name : {"", "/etc/passwd", "\\Windows\\x", "\\\\server\\share\\x", "..",
                             "..\\x", "../x", "a\\..\\..\\x", "a/../b", "a\\..", "C:\\x", "C:x",
                             "c:/x", "name:stream", "...\\x", "a\\.. \\b", "a/. ./b"}) {
        EXPECT_FALSE(IsSafeEntryName(name)) << name;
    }
    EXPECT_FALSE(IsSafeEntryName(std::string("a\0/../x", 7)));
}

} // namespace
} // namespace tallo
