// The general data and national coach pages filled and stored without a change leave every
// country of the sample as it was, byte for byte.

#include <gtest/gtest.h>

#include "editing/country/country_edit_context.h"
#include "editing/country/country_general_page_model.h"
#include "editing/country/national_coach_page_model.h"
#include "editing/editing_test_support.h"
#include "editing/session/database_session.h"
#include "world/world.h"

namespace tallo {
namespace {

TEST(CountryPagesUntouched, FillAndStoreChangeNoSavedByte) {
    test::EditorHarness harness;
    CWorld& world = harness.OpenGame().World();
    const auto before = test::SavedBytes(world);
    CountryEditContext context;
    context.world = &world;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        context.country = number;
        CountryGeneralPageModel general(context);
        general.Store();
        NationalCoachPageModel coach(context);
        coach.Store();
    }
    const auto after = test::SavedBytes(world);
    ASSERT_EQ(after.size(), before.size());
    for (const auto& [name, bytes] : before) {
        const auto found = after.find(name);
        ASSERT_NE(found, after.end()) << name;
        EXPECT_TRUE(found->second == bytes) << name << " changed";
    }
}

} // namespace
} // namespace tallo
