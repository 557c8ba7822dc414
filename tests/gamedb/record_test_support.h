#pragma once

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "gamedb/build_random.h"
#include "gamedb/club_export_numbering.h"
#include "gamedb/console_text_sink.h"
#include "gamedb/master_buffer.h"
#include "gamedb/master_build_context.h"
#include "gamedb/name_store.h"
#include "world/world.h"

namespace tallo::test {

// Expected bytes of a record, spelled out field by field in a test. Little-endian, no padding:
// the layout the game database uses, written independently of the writers under test.
class ExpectedBytes {
public:
    ExpectedBytes& U8(uint32_t v) {
        bytes_.push_back(static_cast<char>(v & 0xFF));
        return *this;
    }
    ExpectedBytes& U16(uint32_t v) { return U8(v).U8(v >> 8); }
    ExpectedBytes& U32(uint32_t v) { return U16(v & 0xFFFF).U16(v >> 16); }
    // Text and its zero byte.
    ExpectedBytes& Str(std::string_view text) {
        bytes_.append(text);
        return U8(0);
    }
    ExpectedBytes& Raw(std::string_view raw) {
        bytes_.append(raw);
        return *this;
    }
    const std::string& Bytes() const { return bytes_; }
    size_t Size() const { return bytes_.size(); }

private:
    std::string bytes_;
};

// Little-endian readers for walking a written record.
inline uint32_t ReadU32(std::string_view bytes, size_t at) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) {
        v = (v << 8) | static_cast<uint8_t>(bytes.at(at + static_cast<size_t>(i)));
    }
    return v;
}
inline uint16_t ReadU16(std::string_view bytes, size_t at) {
    return static_cast<uint16_t>(static_cast<uint8_t>(bytes.at(at)) |
                                 (static_cast<uint8_t>(bytes.at(at + 1)) << 8));
}

// A world of 206 empty countries and everything a record writer needs, run through both
// passes as the builder runs it: count pass with the console lists off, names weighted and
// frozen, then the write pass with the lists on.
class RecordBuild {
public:
    explicit RecordBuild(uint32_t optionBits = 0, int language = 0)
        : text(optionBits), context{world, language, optionBits, names,
                                    text,  clubs,    random,     services} {
        world.LoadCountryList("/nonexistent/countries.sav");
    }

    // Runs `write` in both passes and returns the image; checks that the two passes agreed.
    std::string Run(const std::function<void(MasterBuffer&, const MasterBuildContext&)>& write) {
        names.Reset();
        clubs.Build(world);
        MasterBuffer buffer;
        text.Clear();
        text.SetActive(false);
        random.Restart();
        write(buffer, context);
        names.WeightAndFreeze();
        EXPECT_TRUE(buffer.StartWritePass());
        text.SetActive(true);
        random.Restart();
        write(buffer, context);
        text.SetActive(false);
        EXPECT_TRUE(buffer.IsComplete()) << buffer.FaultText();
        EXPECT_FALSE(names.LateName());
        return std::string(buffer.Contents());
    }

    CWorld world;
    NameStore names;
    ConsoleTextSink text;
    ClubExportNumbering clubs;
    BuildRandom random;
    MasterBuildServices services;
    MasterBuildContext context;
};

} // namespace tallo::test
