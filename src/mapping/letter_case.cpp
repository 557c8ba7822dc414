#include "mapping/letter_case.h"

#include "platform/code_page.h"

#include <array>
#include <initializer_list>
#include <utility>

namespace tallo {

namespace {

using CaseTable = std::array<uint8_t, 256>;

CaseTable IdentityWithAscii() {
    CaseTable table{};
    for (int c = 0; c < 256; ++c) {
        table[static_cast<size_t>(c)] = static_cast<uint8_t>(c);
    }
    for (int c = 'A'; c <= 'Z'; ++c) {
        table[static_cast<size_t>(c)] = static_cast<uint8_t>(c + 32);
    }
    return table;
}

void SetPairs(CaseTable& table, std::initializer_list<std::pair<uint8_t, uint8_t>> pairs) {
    for (const auto& [upper, lower] : pairs) {
        table[upper] = lower;
    }
}

const CaseTable& Table1252() {
    static const CaseTable table = [] {
        CaseTable t = IdentityWithAscii();
        // Agrave to Thorn, except the multiplication sign.
        for (int c = 0xC0; c <= 0xDE; ++c) {
            if (c != 0xD7) {
                t[static_cast<size_t>(c)] = static_cast<uint8_t>(c + 0x20);
            }
        }
        SetPairs(t, {{0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF}});
        return t;
    }();
    return table;
}

const CaseTable& Table1251() {
    static const CaseTable table = [] {
        CaseTable t = IdentityWithAscii();
        // The Russian alphabet A to Ya.
        for (int c = 0xC0; c <= 0xDF; ++c) {
            t[static_cast<size_t>(c)] = static_cast<uint8_t>(c + 0x20);
        }
        // Io, the Serbian, Macedonian, Ukrainian and Belarusian letters.
        SetPairs(t, {{0xA8, 0xB8},
                     {0x80, 0x90},
                     {0x81, 0x83},
                     {0x8A, 0x9A},
                     {0x8C, 0x9C},
                     {0x8D, 0x9D},
                     {0x8E, 0x9E},
                     {0x8F, 0x9F},
                     {0xA1, 0xA2},
                     {0xA3, 0xBC},
                     {0xA5, 0xB4},
                     {0xAA, 0xBA},
                     {0xAF, 0xBF},
                     {0xB2, 0xB3},
                     {0xBD, 0xBE}});
        return t;
    }();
    return table;
}

const CaseTable& ActiveTable() {
    return ActiveCodePage() == CodePage::Windows1251 ? Table1251() : Table1252();
}

} // namespace

uint8_t LowerCaseByte(uint8_t c) {
    return ActiveTable()[c];
}

int CompareIgnoringCase(std::string_view a, std::string_view b) {
    const CaseTable& table = ActiveTable();
    const size_t common = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < common; ++i) {
        const int ca = table[static_cast<uint8_t>(a[i])];
        const int cb = table[static_cast<uint8_t>(b[i])];
        if (ca != cb) {
            return ca - cb;
        }
    }
    if (a.size() == b.size()) {
        return 0;
    }
    return a.size() < b.size() ? -1 : 1;
}

} // namespace tallo
