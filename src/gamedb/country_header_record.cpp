#include "gamedb/country_header_record.h"

#include <algorithm>

#include "gamedb/master_buffer.h"
#include "gamedb/master_build_context.h"
#include "world/country.h"

namespace tallo {

bool IsConsoleCountry(int number) {
    return std::find(kConsoleCountries.begin(), kConsoleCountries.end(), number) !=
           kConsoleCountries.end();
}

bool IsCountryCompleteForBuild(const CCountry& country, bool console) {
    if (console && !IsConsoleCountry(static_cast<int>(country.Number()))) {
        return false;
    }
    return country.IsComplete();
}

void WriteCountryHeader(MasterBuffer& buffer, const MasterBuildContext& context,
                        const CCountry& country, bool complete) {
    int leagues = 0;
    if (complete && country.Competitions() != nullptr) {
        leagues = std::clamp(country.Competitions()->LeagueCount(), 0, 255);
    }
    buffer.U8(static_cast<uint8_t>(leagues));
    if (context.Console()) {
        buffer.String(country.Name(context.language));
    } else {
        for (int slot = 0; slot < CCountry::kLanguageSlots; ++slot) {
            buffer.String(country.Name(slot));
        }
    }
}

} // namespace tallo
