#pragma once

#include <cstdint>

namespace tallo {

class CPlayer;
class MasterBuffer;
struct MasterBuildContext;

// The record of one person in the game database, written inside its club's record: the name
// pool and four name indices, the role, and then what the role needs (everything of a player;
// a few values of a manager, chairman or president; nothing more for staff members). The
// console database leaves out the languages and writes its own looks and face.
//
// Runs in both passes with the same arguments; with option bit 0x40 of a console build it
// emits the person's line of the console log.
void WritePlayerRecord(MasterBuffer& buffer, const MasterBuildContext& context,
                       const CPlayer& player);

// The name pool of a person: his first language, or when that is 0 the first language of his
// nationality country; a language without a pool (64 or more) gives pool 0.
int PlayerNamePool(const MasterBuildContext& context, const CPlayer& player);

// A country byte as the game may use it: 1 to 206 as it is, anything else 0.
uint8_t RecordCountryByte(uint32_t country);

} // namespace tallo
