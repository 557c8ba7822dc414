#pragma once

#include "editors/staff/dlg_manager_abilities.h"

namespace tallo {

// The abilities page of a country's manager candidate: the club page, bound to the person the
// country's person list selects.
class CDlgLandManagerAbilities : public CDlgManagerAbilities {
public:
    CDlgLandManagerAbilities(QWidget* parent, const PersonEditContext& context)
        : CDlgManagerAbilities(parent, context) {}
};

} // namespace tallo
