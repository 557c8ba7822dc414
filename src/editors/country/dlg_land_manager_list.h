#pragma once

#include "editing/staff/person_list_model.h"
#include "editors/staff/dlg_manager_list.h"

namespace tallo {

// The person list page in its country form: the country's additional managers. It is the club
// page on a model set up as a country list (PersonListModel::SetUpCountryList), whose context
// menu offers the staff roles, transfer and delete, and greys "take".
class CDlgLandManagerList : public CDlgManagerList {
public:
    explicit CDlgLandManagerList(PersonListModel& model, QWidget* parent = nullptr)
        : CDlgManagerList(model, parent) {}
};

} // namespace tallo
