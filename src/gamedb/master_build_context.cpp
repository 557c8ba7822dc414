#include "gamedb/master_build_context.h"

#include "world/country.h"
#include "world/world.h"

namespace tallo {

uint32_t MasterBuildContext::GameStadiumReference(uint32_t reference) const {
    const uint32_t countryNumber = (reference >> 16) & 0xFF;
    if (countryNumber < 1 || countryNumber > static_cast<uint32_t>(CWorld::kCountryCount)) {
        return 0;
    }
    const CCountry* country = world.GetCountry(static_cast<int>(countryNumber));
    if (country == nullptr || (reference & 0xFFFF) > country->stadiums.Count()) {
        return 0;
    }
    return reference;
}

} // namespace tallo
