#include "platform/code_page.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <vector>

namespace tallo {
namespace {

std::string AllBytes() {
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        bytes += static_cast<char>(b);
    }
    return bytes;
}

TEST(CodePageTest, EveryByteSurvivesARoundTrip) {
    for (CodePage page : {CodePage::Windows1252, CodePage::Windows1251}) {
        const std::string utf8 = ToUtf8(AllBytes(), page);
        bool lossless = false;
        EXPECT_EQ(FromUtf8(utf8, page, &lossless), AllBytes());
        EXPECT_TRUE(lossless);
        EXPECT_TRUE(CanEncode(utf8, page));
    }
}

TEST(CodePageTest, KnownLetters) {
    EXPECT_EQ(ToUtf8("\xE4", CodePage::Windows1252), "\u00E4"); // ä
    EXPECT_EQ(ToUtf8("\x80", CodePage::Windows1252), "\u20AC"); // €
    EXPECT_EQ(ToUtf8("\x9F", CodePage::Windows1252), "\u0178"); // Ÿ
    EXPECT_EQ(ToUtf8("\x81", CodePage::Windows1252), "\u0081"); // undefined: C1 control
    EXPECT_EQ(ToUtf8("\xC0", CodePage::Windows1251), "\u0410"); // А
    EXPECT_EQ(ToUtf8("\xFF", CodePage::Windows1251), "\u044F"); // я
    EXPECT_EQ(ToUtf8("\x88", CodePage::Windows1251), "\u20AC"); // €
    EXPECT_EQ(ToUtf8("\x98", CodePage::Windows1251), "\u0098"); // undefined
    EXPECT_EQ(ToUtf8("M\xFCller", CodePage::Windows1252), "M\u00FCller");
    EXPECT_EQ(FromUtf8("\u00C4\u00D6\u00DC", CodePage::Windows1252), "\xC4\xD6\xDC");
    EXPECT_EQ(FromUtf8("\u0416\u20AC", CodePage::Windows1251), "\xC6\x88");
}

// The tables agree with the system's converter on every byte it defines, and the bytes it
// leaves undefined are exactly the ones mapped to C1 controls.
TEST(CodePageTest, TablesAgreeWithTheSystemConverter) {
    struct Case {
        CodePage page;
        const char* name;
        std::vector<int> undefined;
    };
    for (const Case& c : {Case{CodePage::Windows1252, "CP1252", {0x81, 0x8D, 0x8F, 0x90, 0x9D}},
                          Case{CodePage::Windows1251, "CP1251", {0x98}}}) {
        iconv_t cd = iconv_open("UTF-8", c.name);
        if (cd == reinterpret_cast<iconv_t>(-1)) {
            GTEST_SKIP() << "no system converter for " << c.name;
        }
        std::vector<int> undefined;
        for (int b = 0; b < 256; ++b) {
            char in = static_cast<char>(b);
            char out[8];
            char* inPtr = &in;
            char* outPtr = out;
            size_t inLeft = 1;
            size_t outLeft = sizeof out;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) {
                undefined.push_back(b);
                const std::string control = {'\xC2', in}; // U+0080 to U+009F
                EXPECT_EQ(ToUtf8(std::string(1, in), c.page), control) << c.name << " byte " << b;
                continue;
            }
            EXPECT_EQ(ToUtf8(std::string(1, in), c.page), std::string(out, outPtr))
                << c.name << " byte " << b;
        }
        iconv_close(cd);
        EXPECT_EQ(undefined, c.undefined) << c.name;
    }
}

TEST(CodePageTest, UnspellableCharactersBecomeQuestionMarks) {
    bool lossless = true;
    EXPECT_EQ(FromUtf8("Ж", CodePage::Windows1252, &lossless), "?");
    EXPECT_FALSE(lossless);
    EXPECT_EQ(FromUtf8("ä", CodePage::Windows1251, &lossless), "?");
    EXPECT_FALSE(lossless);
    EXPECT_EQ(FromUtf8("a?b", CodePage::Windows1252, &lossless), "a?b");
    EXPECT_TRUE(lossless);                                           // a real "?" is no loss
    EXPECT_EQ(FromUtf8("\U0001F600x", CodePage::Windows1252), "?x"); // one character, one "?"
    EXPECT_FALSE(CanEncode("日本", CodePage::Windows1252));
    EXPECT_FALSE(CanEncode("Łódź", CodePage::Windows1252));
    EXPECT_TRUE(CanEncode("Straße", CodePage::Windows1252));
}

TEST(CodePageTest, InvalidUtf8BecomesQuestionMarks) {
    bool lossless = true;
    // A lone continuation byte, a truncated sequence at the end, an overlong "/" and an
    // encoded surrogate: every bad byte is one "?".
    EXPECT_EQ(FromUtf8("a\x80z", CodePage::Windows1252, &lossless), "a?z");
    EXPECT_FALSE(lossless);
    EXPECT_EQ(FromUtf8("x\xC3", CodePage::Windows1252), "x?");
    EXPECT_EQ(FromUtf8("\xE2\x82", CodePage::Windows1252), "??");
    EXPECT_EQ(FromUtf8("\xC0\xAF", CodePage::Windows1252), "??");
    EXPECT_EQ(FromUtf8("\xED\xA0\x80", CodePage::Windows1252), "???");
    EXPECT_EQ(FromUtf8("\xF4\x90\x80\x80", CodePage::Windows1252), "????");
    EXPECT_FALSE(CanEncode("\xFF", CodePage::Windows1251));
    EXPECT_EQ(FromUtf8(std::string_view("\0", 1), CodePage::Windows1252), std::string(1, '\0'));
}

TEST(CodePageTest, ActiveCodePageIsProcessWide) {
    EXPECT_EQ(ActiveCodePage(), CodePage::Windows1252);
    SetActiveCodePage(CodePage::Windows1251);
    EXPECT_EQ(ActiveCodePage(), CodePage::Windows1251);
    SetActiveCodePage(CodePage::Windows1252);
    EXPECT_EQ(ActiveCodePage(), CodePage::Windows1252);
}

} // namespace
} // namespace tallo
