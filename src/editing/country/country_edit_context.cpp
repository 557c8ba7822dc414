#include "editing/country/country_edit_context.h"

#include "world/world.h"

namespace tallo {

CCountry* CountryEditContext::EditedCountry() const {
    return world != nullptr ? world->GetCountry(country) : nullptr;
}

} // namespace tallo
