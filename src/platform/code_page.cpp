#include "platform/code_page.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <unordered_map>

namespace tallo {

namespace {

// The upper half of a code page, bytes 0x80 to 0xFF; bytes below 0x80 are ASCII in both pages.
using Table = std::array<char16_t, 128>;

// clang-format off

// Windows-1252. The five bytes Windows leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to
// the C1 control characters of the same number.
constexpr Table kWindows1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98
    0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,  // A8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF,  // B8
    0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7,  // C0
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF,  // C8
    0x00D0, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7,  // D0
    0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF,  // D8
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7,  // E0
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF,  // E8
    0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7,  // F0
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF,  // F8
};

// Windows-1251. Its one undefined byte, 0x98, maps to U+0098.
constexpr Table kWindows1251 = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,  // C0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,  // C8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,  // D0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,  // D8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,  // E0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,  // E8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,  // F0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,  // F8
};

// clang-format on

const Table& TableOf(CodePage page) {
    return page == CodePage::Windows1251 ? kWindows1251 : kWindows1252;
}

char16_t CharOf(const Table& table, uint8_t byte) {
    return byte < 0x80 ? char16_t{byte} : table[static_cast<size_t>(byte - 0x80)];
}

using ReverseTable = std::unordered_map<char32_t, uint8_t>;

ReverseTable BuildReverse(const Table& table) {
    ReverseTable reverse;
    for (int byte = 0; byte < 256; ++byte) {
        reverse.emplace(CharOf(table, static_cast<uint8_t>(byte)), static_cast<uint8_t>(byte));
    }
    return reverse;
}

const ReverseTable& ReverseOf(CodePage page) {
    static const ReverseTable reverse1252 = BuildReverse(kWindows1252);
    static const ReverseTable reverse1251 = BuildReverse(kWindows1251);
    return page == CodePage::Windows1251 ? reverse1251 : reverse1252;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        // Every character of the tables lies in the basic plane.
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one character of well-formed UTF-8 at text[pos], advancing pos; false (pos
// unchanged) for a bad, overlong, surrogate or truncated sequence.
bool DecodeUtf8(std::string_view text, size_t& pos, char32_t& c) {
    const auto byte = [&](size_t i) { return static_cast<uint8_t>(text[i]); };
    const uint8_t lead = byte(pos);
    size_t length;
    uint8_t low = 0x80; // allowed range of the second byte
    uint8_t high = 0xBF;
    if (lead < 0x80) {
        c = lead;
        ++pos;
        return true;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        c = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        c = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return false;
    }
    if (text.size() - pos < length) {
        return false;
    }
    for (size_t i = 1; i < length; ++i) {
        const uint8_t next = byte(pos + i);
        const uint8_t min = i == 1 ? low : 0x80;
        const uint8_t max = i == 1 ? high : 0xBF;
        if (next < min || next > max) {
            return false;
        }
        c = (c << 6) | (next & 0x3F);
    }
    pos += length;
    return true;
}

std::atomic<CodePage> activeCodePage{CodePage::Windows1252};

} // namespace

std::string ToUtf8(std::string_view bytes, CodePage page) {
    const Table& table = TableOf(page);
    std::string out;
    out.reserve(bytes.size());
    for (char byte : bytes) {
        AppendUtf8(out, CharOf(table, static_cast<uint8_t>(byte)));
    }
    return out;
}

std::string FromUtf8(std::string_view utf8, CodePage page, bool* lossless) {
    const ReverseTable& reverse = ReverseOf(page);
    std::string out;
    out.reserve(utf8.size());
    bool exact = true;
    size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t c;
        if (!DecodeUtf8(utf8, pos, c)) {
            out += '?';
            exact = false;
            ++pos;
            continue;
        }
        auto it = reverse.find(c);
        if (it == reverse.end()) {
            out += '?';
            exact = false;
        } else {
            out += static_cast<char>(it->second);
        }
    }
    if (lossless != nullptr) {
        *lossless = exact;
    }
    return out;
}

bool CanEncode(std::string_view utf8, CodePage page) {
    bool lossless = false;
    FromUtf8(utf8, page, &lossless);
    return lossless;
}

CodePage ActiveCodePage() {
    return activeCodePage.load();
}

void SetActiveCodePage(CodePage page) {
    activeCodePage.store(page);
}

} // namespace tallo
