#pragma once

#include <array>

namespace tallo {

class CCountry;
class MasterBuffer;
struct MasterBuildContext;

// The countries the console database can hold; every other country counts as not complete
// there.
inline constexpr std::array<int, 22> kConsoleCountries = {
    4, 7, 12, 13, 14, 17, 18, 21, 22, 25, 26, 27, 34, 36, 37, 42, 45, 46, 47, 48, 49, 167};

bool IsConsoleCountry(int number);

// Whether the country goes into the game database as a playable country: it is complete
// (CCountry::IsComplete) and, for the console database, on the console list.
bool IsCountryCompleteForBuild(const CCountry& country, bool console);

// The country's header record: its number of league levels when `complete` (else 0) as a
// byte, then its names: in language slots 0-4, or in the console database only the name in
// the build language.
void WriteCountryHeader(MasterBuffer& buffer, const MasterBuildContext& context,
                        const CCountry& country, bool complete);

} // namespace tallo
