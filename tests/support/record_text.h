#pragma once

// The text a record writer produces, taken from a record file kept in memory.

#include <functional>
#include <string>
#include <type_traits>

#include <gtest/gtest.h>

#include "formats/kl_file.h"

namespace tallo::test {

// Opens a record file for writing, lets `write` fill it and returns the text it holds. The file
// is abandoned afterwards: nothing reaches the disk. When `write` returns a bool, false fails the
// calling test (a writer whose result a test does not care about returns nothing).
template <typename Write> std::string TextWrittenBy(Write&& write) {
    CKLFile file;
    EXPECT_TRUE(file.OpenForWrite("unused.sav"));
    if constexpr (std::is_same_v<std::invoke_result_t<Write&, CKLFile&>, bool>) {
        EXPECT_TRUE(std::invoke(write, file));
    } else {
        std::invoke(write, file);
    }
    std::string text = file.WrittenText();
    file.AbandonWrite();
    return text;
}

} // namespace tallo::test
