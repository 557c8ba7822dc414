#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tallo::test {

// A reader of our own for the game database file, written from its layout and independent of
// the builder: the size field, the 206 country headers, the 320 name tables and the rules
// record. The country records after them are left as bytes. Every read is bounds-checked; a
// file that ends early or holds inconsistent lengths is reported, never read past.
struct MasterFile {
    struct Header {
        uint8_t leagues = 0;
        std::vector<std::string> names;
    };
    struct Name {
        uint32_t index = 0;
        std::string name;
        uint32_t weight = 0;
    };
    struct NameTable {
        uint32_t count = 0;
        uint32_t fileCount = 0;
        uint32_t reserved = 0;
        std::vector<Name> names;
    };
    struct Rules {
        std::vector<std::string> names;
        std::vector<uint32_t> clubs;
        std::vector<uint32_t> stadiums;
        std::vector<uint32_t> furtherClubs;
        std::array<uint32_t, 5> points{};
        uint32_t substitutions = 0;
    };

    uint32_t sizeField = 0;
    std::vector<Header> headers;
    std::vector<NameTable> tables; // pool * 5 + kind
    Rules rules;
    size_t rulesOffset = 0;
    size_t countriesOffset = 0; // where the country records begin

    const NameTable& Table(int pool, int kind) const {
        return tables.at(static_cast<size_t>(pool * 5 + kind));
    }
};

class MasterCursor {
public:
    explicit MasterCursor(std::string_view bytes) : bytes_(bytes) {}

    bool U8(uint8_t& v) {
        if (!Has(1)) {
            return false;
        }
        v = static_cast<uint8_t>(bytes_[at_++]);
        return true;
    }
    bool U32(uint32_t& v) {
        if (!Has(4)) {
            return false;
        }
        v = 0;
        for (int i = 3; i >= 0; --i) {
            v = (v << 8) | static_cast<uint8_t>(bytes_[at_ + static_cast<size_t>(i)]);
        }
        at_ += 4;
        return true;
    }
    bool String(std::string& text) {
        const size_t end = bytes_.find('\0', at_);
        if (end == std::string_view::npos) {
            return false;
        }
        text = std::string(bytes_.substr(at_, end - at_));
        at_ = end + 1;
        return true;
    }
    bool Has(size_t count) const { return count <= bytes_.size() - at_; }
    size_t Offset() const { return at_; }
    void Skip(size_t count) { at_ += count; }

private:
    std::string_view bytes_;
    size_t at_ = 0;
};

// The 32-bit value at `at` (the caller checks the bounds).
inline uint32_t MasterU32(std::string_view bytes, size_t at) {
    MasterCursor in(bytes.substr(at, 4));
    uint32_t value = 0;
    in.U32(value);
    return value;
}

inline bool ReadNameTable(std::string_view block, MasterFile::NameTable& table,
                          std::string& error) {
    MasterCursor in(block);
    if (!in.U32(table.count) || !in.U32(table.fileCount) || !in.U32(table.reserved)) {
        error = "name table head cut short";
        return false;
    }
    for (uint32_t i = 0; i < table.count; ++i) {
        MasterFile::Name name;
        if (!in.U32(name.index) || !in.String(name.name) || !in.U32(name.weight)) {
            error = "name table entry " + std::to_string(i) + " cut short";
            return false;
        }
        table.names.push_back(std::move(name));
    }
    if (in.Offset() != block.size()) {
        error = "name table longer than its names";
        return false;
    }
    return true;
}

inline bool ReadMasterFile(std::string_view bytes, bool console, MasterFile& file,
                           std::string& error) {
    MasterCursor in(bytes);
    if (!in.U32(file.sizeField)) {
        error = "no size field";
        return false;
    }
    for (int country = 1; country <= 206; ++country) {
        MasterFile::Header header;
        if (!in.U8(header.leagues)) {
            error = "header " + std::to_string(country) + " cut short";
            return false;
        }
        for (int slot = 0; slot < (console ? 1 : 5); ++slot) {
            std::string name;
            if (!in.String(name)) {
                error = "header " + std::to_string(country) + " name cut short";
                return false;
            }
            header.names.push_back(std::move(name));
        }
        file.headers.push_back(std::move(header));
    }
    for (int list = 0; list < 64 * 5; ++list) {
        uint32_t size = 0;
        uint32_t blockSize = 0;
        if (!in.U32(size) || !in.U32(blockSize) || size != blockSize || !in.Has(size)) {
            error = "name table " + std::to_string(list) + " size wrong";
            return false;
        }
        MasterFile::NameTable table;
        if (!ReadNameTable(bytes.substr(in.Offset(), size), table, error)) {
            error = "list " + std::to_string(list) + ": " + error;
            return false;
        }
        in.Skip(size);
        file.tables.push_back(std::move(table));
    }
    file.rulesOffset = in.Offset();
    MasterFile::Rules& rules = file.rules;
    for (int i = 0; i < (console ? 2 : 15); ++i) {
        std::string name;
        if (!in.String(name)) {
            error = "rules names cut short";
            return false;
        }
        rules.names.push_back(std::move(name));
    }
    const int references = console ? 2 : 3;
    auto readValues = [&](std::vector<uint32_t>& values, int count) {
        for (int i = 0; i < count; ++i) {
            uint32_t v = 0;
            if (!in.U32(v)) {
                return false;
            }
            values.push_back(v);
        }
        return true;
    };
    if (!readValues(rules.clubs, references) || !readValues(rules.stadiums, references) ||
        !readValues(rules.furtherClubs, 2)) {
        error = "rules references cut short";
        return false;
    }
    for (uint32_t& point : rules.points) {
        if (!in.U32(point)) {
            error = "points rules cut short";
            return false;
        }
    }
    if (!in.U32(rules.substitutions)) {
        error = "substitutions cut short";
        return false;
    }
    file.countriesOffset = in.Offset();
    return true;
}

} // namespace tallo::test
