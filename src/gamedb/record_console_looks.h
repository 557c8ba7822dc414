#pragma once

#include <cstdint>
#include <span>

#include "gamedb/build_random.h"

namespace tallo {

// The console database knows fewer looks than the editor. These tables map an editor look
// value to the console values that may stand for it; where a row offers several, one is drawn
// at random. They also convert the allowed-look bit sets of a country, row by row.
namespace ConsoleLooks {

// One row: the editor value and the console values it may become (possibly none).
struct Row {
    uint8_t editorValue;
    std::span<const uint8_t> consoleValues;
};

// A table: its rows in table order and the value of an editor value without a row.
struct Table {
    std::span<const Row> rows;
    uint8_t defaultValue;
};

const Table& HairColour();
const Table& Skin(); // from the face type
const Table& Face(); // from the face type
const Table& HairStyle();
const Table& Beard();

// The console value of an editor value: the only value of its row, or one of several picked
// by a draw of `random` modulo the row's count. An editor value without a row, or whose row
// lists nothing, gives the table's default (and draws nothing).
uint8_t Convert(const Table& table, uint8_t editorValue, BuildRandom& random);

// Converts an allowed-look bit set: every set bit i whose table row at position i exists sets
// bit (v mod 32) for each console value v of that row.
uint32_t ConvertBitSet(const Table& table, uint32_t editorBits);

// The stadium model of the console database (editor model to game model, 0 when unknown).
uint8_t StadiumModel(uint8_t editorModel);

} // namespace ConsoleLooks

} // namespace tallo
