#pragma once

namespace tallo {

class MasterBuffer;
struct MasterBuildContext;

// Writes the rules record of the game database from the world's rules:
//  1. names: the normal database writes, for each language 0-4 in turn, the long names of
//     competitions 0, 1 and 2; the console database only the long names of competitions 0
//     and 1 in the build language;
//  2. club references 0 and 1, then 2 (normal database only), in their game form (a
//     reference that leads to no club is written as 0);
//  3. stadium references 0 and 1, then 2 (normal database only), checked as every stadium
//     reference of the game database (0 when it leads nowhere);
//  4. further club references 0 and 1, in their game form;
//  5. the five points rules as 32-bit values;
//  6. the friendly substitutions as a 32-bit value.
void WriteRulesRecord(MasterBuffer& buffer, const MasterBuildContext& context);

} // namespace tallo
