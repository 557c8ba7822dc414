#include "world/accent_folding.h"

namespace tallo {

namespace {

// clang-format off
constexpr std::array<uint8_t, 256> kFoldingTable = {
    0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F,  // 0x00
    0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B, 0x1C, 0x1D, 0x1E, 0x1F,  // 0x10
    ' ', '!', '"', '#', '$', '%', '&', '\'', '(', ')', '*', '+', ',', '-', '.', '/',  // 0x20
    '0', '1', '2', '3', '4', '5', '6', '7', '8', '9', ':', ';', '<', '=', '>', '?',  // 0x30
    '@', 'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K', 'L', 'M', 'N', 'O',  // 0x40
    'P', 'Q', 'R', 'S', 'T', 'U', 'V', 'W', 'X', 'Y', 'Z', '[', '\\', ']', '^', '_',  // 0x50
    '\'', 'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j', 'k', 'l', 'm', 'n', 'o',  // 0x60
    'p', 'q', 'r', 's', 't', 'u', 'v', 'w', 'x', 'y', 'z', '{', '|', '}', '~', 0x7F,  // 0x70
    0x80, 0x81, ',', 0x83, '"', 0x85, 0x86, 0x87, 0x88, 0x89, 'S', 0x8B, 0x8C, 0x8D, 'Z', 0x8F,  // 0x80
    0x90, '\'', '\'', '"', '"', 0x95, '-', 0x97, 0x98, 0x99, 's', 0x9B, 0x9C, 0x9D, 'z', 'Y',  // 0x90
    0xA0, 'i', 'c', 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9, 0xAA, 0xAB, 0xAC, 0xAD, 0xAE, 0xAF,  // 0xA0
    0xB0, 0xB1, 0xB2, 0xB3, '\'', 0xB5, 0xB6, 0xB7, 0xB8, 0xB9, 0xBA, 0xBB, 0xBC, 0xBD, 0xBE, '?',  // 0xB0
    'A', 'A', 'A', 'A', 'A', 'A', 0xC6, 'C', 'E', 'E', 'E', 'E', 'I', 'I', 'I', 'I',  // 0xC0
    'D', 'N', 'O', 'O', 'O', 'O', 'O', 'x', 'O', 'U', 'U', 'U', 'U', 'Y', 0xDE, 0xDF,  // 0xD0
    'a', 'a', 'a', 'a', 'a', 'a', 0xE6, 'c', 'e', 'e', 'e', 'e', 'i', 'i', 'i', 'i',  // 0xE0
    0xF0, 'n', 'o', 'o', 'o', 'o', 'o', 0xF7, 'o', 'u', 'u', 'u', 'u', 'y', 0xFE, 'y',  // 0xF0
};
// clang-format on

// The folded byte at `index`, 0 past the end (as at a terminating zero).
uint8_t FoldedAt(std::string_view text, size_t index) {
    return index < text.size() ? kFoldingTable[static_cast<uint8_t>(text[index])] : 0;
}

// True when `ligature` expands to the folded bytes at `index` and `index`+1 of `text`.
bool MatchesExpansion(uint8_t ligature, std::string_view text, size_t index) {
    const char* expansion = LigatureExpansion(ligature);
    return expansion != nullptr && FoldedAt(text, index) == static_cast<uint8_t>(expansion[0]) &&
           FoldedAt(text, index + 1) == static_cast<uint8_t>(expansion[1]);
}

} // namespace

const std::array<uint8_t, 256>& FoldingTable() {
    return kFoldingTable;
}

const char* LigatureExpansion(uint8_t c) {
    switch (c) {
    case 0x8C:
        return "CE";
    case 0x9C:
        return "ce";
    case 0xC6:
        return "AE";
    case 0xE6:
        return "ae";
    case 0xDF:
        return "ss";
    default:
        return nullptr;
    }
}

size_t FoldName(char* destination, std::string_view source, size_t size) {
    if (destination == nullptr || size == 0) {
        return 0;
    }
    size_t room = size - 1;
    size_t length = 0;
    for (char c : source) {
        if (length >= room) {
            break;
        }
        uint8_t folded = kFoldingTable[static_cast<uint8_t>(c)];
        const char* expansion = LigatureExpansion(folded);
        if (expansion != nullptr && room - length >= 2) {
            destination[length++] = expansion[0];
            destination[length++] = expansion[1];
        } else {
            destination[length++] = static_cast<char>(folded);
        }
    }
    destination[length] = '\0';
    return length;
}

std::string FoldName(std::string_view source, size_t maxLength) {
    std::string folded;
    for (char c : source) {
        if (folded.size() >= maxLength) {
            break;
        }
        uint8_t byte = kFoldingTable[static_cast<uint8_t>(c)];
        const char* expansion = LigatureExpansion(byte);
        if (expansion != nullptr && maxLength - folded.size() >= 2) {
            folded += expansion;
        } else {
            folded += static_cast<char>(byte);
        }
    }
    return folded;
}

int CompareFolded(std::string_view a, std::string_view b) {
    size_t i = 0;
    size_t j = 0;
    while (true) {
        uint8_t ca = FoldedAt(a, i);
        uint8_t cb = FoldedAt(b, j);
        if (ca == 0 || cb == 0) {
            return ca - cb;
        }
        if (ca == cb) {
            ++i;
            ++j;
        } else if (MatchesExpansion(ca, b, j)) {
            ++i;
            j += 2;
        } else if (MatchesExpansion(cb, a, i)) {
            i += 2;
            ++j;
        } else {
            return ca - cb;
        }
    }
}

} // namespace tallo
