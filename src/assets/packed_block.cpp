#include "assets/packed_block.h"

#include <cstring>

namespace tallo {

namespace {

// The most output one byte of command stream can give: a 4-byte command copies up to 1028
// bytes. Any larger announced size cannot be met and is refused before allocating.
constexpr uint64_t kMaxExpansion = 257;

// Limits of one command, for the fast loop's slack.
constexpr size_t kMaxCommandInput = 1 + 112; // a literal run: command byte and 112 literals
constexpr size_t kMaxMatch = 1028;
// The fast loop runs while this much input and output is left, so that it may read and
// write a few bytes past a command without checking (they are written again later).
constexpr size_t kFastInput = kMaxCommandInput + 32;
constexpr size_t kFastOutput = kMaxMatch + 3 + 32;

struct Header {
    size_t headerSize = 0;
    uint64_t size = 0;
};

bool ReadHeader(const uint8_t* block, size_t length, Header& header) {
    if (block == nullptr || length < 2 || block[1] != 0xFB) {
        return false;
    }
    if (block[0] == 0x10 && length >= kPackedShortHeaderSize) {
        header.headerSize = kPackedShortHeaderSize;
        header.size = (uint64_t{block[2]} << 16) | (uint64_t{block[3]} << 8) | block[4];
        return true;
    }
    if (block[0] == 0x90 && length >= kPackedLongHeaderSize) {
        header.headerSize = kPackedLongHeaderSize;
        header.size = (uint64_t{block[2]} << 24) | (uint64_t{block[3]} << 16) |
                      (uint64_t{block[4]} << 8) | block[5];
        return true;
    }
    return false;
}

// Copies a match of `length` bytes from `distance` back; the caller guarantees the distance
// stays inside the output and that 32 bytes past the end of the match may be overwritten.
inline uint8_t* CopyMatchFast(uint8_t* op, size_t distance, size_t length) {
    const uint8_t* source = op - distance;
    uint8_t* end = op + length;
    if (distance >= 16) {
        do {
            std::memcpy(op, source, 16);
            op += 16;
            source += 16;
        } while (op < end);
    } else if (distance >= 8) {
        do {
            std::memcpy(op, source, 8);
            op += 8;
            source += 8;
        } while (op < end);
    } else if (distance == 1) {
        std::memset(op, *source, length);
    } else {
        // The first eight bytes repeat the pattern byte by byte; after them, a whole number of
        // periods of at least eight bytes lies behind, so eight bytes at a time never overlap.
        for (int i = 0; i < 8; ++i) {
            op[i] = source[i];
        }
        size_t step = distance;
        while (step < 8) {
            step += distance;
        }
        op += 8;
        source = op - step;
        while (op < end) {
            std::memcpy(op, source, 8);
            op += 8;
            source += 8;
        }
    }
    return end;
}

// One decoded command.
struct Command {
    size_t commandSize;
    size_t literals;
    size_t length;   // back-copy length, 0 for literal-only commands
    size_t distance; // back-copy distance
    bool last;
};

inline Command DecodeCommand(const uint8_t* ip) {
    const unsigned b0 = ip[0];
    if (b0 < 0x80) {
        return {2, b0 & 3u, ((b0 >> 2) & 7u) + 3, ((b0 & 0x60u) << 3) + ip[1] + 1, false};
    }
    if (b0 < 0xC0) {
        return {3, size_t{ip[1]} >> 6, (b0 & 0x3Fu) + 4, ((ip[1] & 0x3Fu) << 8) + ip[2] + 1, false};
    }
    if (b0 < 0xE0) {
        return {4, b0 & 3u, ((b0 >> 2) & 3u) * 256 + ip[3] + 5,
                ((b0 & 0x10u) << 12) + (size_t{ip[1]} << 8) + ip[2] + 1, false};
    }
    if (b0 < 0xFC) {
        return {1, ((b0 & 0x1Fu) + 1) * 4, 0, 0, false};
    }
    return {1, b0 & 3u, 0, 0, true};
}

inline size_t CommandSize(unsigned b0) {
    return b0 < 0x80 ? 2 : b0 < 0xC0 ? 3 : b0 < 0xE0 ? 4 : 1;
}

bool Decode(const uint8_t* ip, const uint8_t* inEnd, uint8_t* const outBegin, uint8_t* outEnd) {
    uint8_t* op = outBegin;

    // Fast loop: far from both ends, commands are taken without the end checks (the distance
    // is always checked).
    while (static_cast<size_t>(inEnd - ip) >= kFastInput &&
           static_cast<size_t>(outEnd - op) >= kFastOutput) {
        const Command c = DecodeCommand(ip);
        ip += c.commandSize;
        if (c.literals <= 4) {
            std::memcpy(op, ip, 4);
        } else {
            std::memcpy(op, ip, c.literals);
        }
        op += c.literals;
        ip += c.literals;
        if (c.last) {
            return op == outEnd;
        }
        if (c.length != 0) {
            if (c.distance > static_cast<size_t>(op - outBegin)) {
                return false;
            }
            op = CopyMatchFast(op, c.distance, c.length);
        }
    }

    // Near the ends: every read, write and distance is checked.
    while (ip < inEnd) {
        if (static_cast<size_t>(inEnd - ip) < CommandSize(ip[0])) {
            return false;
        }
        const Command c = DecodeCommand(ip);
        ip += c.commandSize;
        if (c.literals > static_cast<size_t>(inEnd - ip) ||
            c.literals > static_cast<size_t>(outEnd - op)) {
            return false;
        }
        if (c.literals != 0) {
            std::memcpy(op, ip, c.literals);
            op += c.literals;
            ip += c.literals;
        }
        if (c.last) {
            break;
        }
        if (c.length != 0) {
            if (c.distance > static_cast<size_t>(op - outBegin) ||
                c.length > static_cast<size_t>(outEnd - op)) {
                return false;
            }
            const uint8_t* source = op - c.distance;
            for (size_t i = 0; i < c.length; ++i) {
                op[i] = source[i];
            }
            op += c.length;
        }
    }
    return op == outEnd;
}

bool SizePossible(const Header& header, size_t length) {
    return header.size <= (length - header.headerSize) * kMaxExpansion;
}

} // namespace

bool HasShortPackedHeader(const uint8_t* data, size_t length) {
    return data != nullptr && length >= kPackedShortHeaderSize && data[0] == 0x10 &&
           data[1] == 0xFB;
}

uint64_t UnpackSize(const uint8_t* block, size_t length) {
    Header header;
    return ReadHeader(block, length, header) ? header.size : 0;
}

bool UnpackBlock(const uint8_t* block, size_t length, std::vector<uint8_t>& out, uint64_t maxSize) {
    out.clear();
    Header header;
    if (!ReadHeader(block, length, header) || header.size > maxSize || header.size > SIZE_MAX ||
        !SizePossible(header, length)) {
        return false;
    }
    const size_t size = static_cast<size_t>(header.size);
    std::vector<uint8_t> buffer(size);
    if (!Decode(block + header.headerSize, block + length, buffer.data(), buffer.data() + size)) {
        return false;
    }
    out = std::move(buffer);
    return true;
}

bool UnpackBlockInto(const uint8_t* block, size_t length, uint8_t* out, size_t outSize) {
    Header header;
    if (!ReadHeader(block, length, header) || header.size != outSize ||
        (outSize != 0 && out == nullptr) || !SizePossible(header, length)) {
        return false;
    }
    return Decode(block + header.headerSize, block + length, out, out + outSize);
}

} // namespace tallo
