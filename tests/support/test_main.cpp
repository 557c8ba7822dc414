// The main of every test program: the tests of quoted texts compare them with the Russian
// texts, so the interface language is Russian here, whatever the machine's locale, and so it
// is for the programs the tests start (tallo-db).

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    setenv("TALLO_UI_LANGUAGE", "ru", 1);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
