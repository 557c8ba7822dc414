#include "editing/records/referee_list_model.h"

#include "editing/country/country_edit_context.h"
#include "editing/records/referee_editor_model.h"
#include "formats/dialog_text.h"
#include "platform/code_page.h"
#include "world/country.h"
#include "world/person_name.h"
#include "world/world.h"

namespace tallo {

RefereeListModel::RefereeListModel(const CountryEditContext& context) : context_(context) {
    Refresh();
}

CCountry* RefereeListModel::Country() const {
    if (context_.world == nullptr || context_.country < 1 ||
        context_.country > CWorld::kCountryCount) {
        return nullptr;
    }
    return context_.world->GetCountry(context_.country);
}

void RefereeListModel::Refresh() {
    rows_.clear();
    const CCountry* country = Country();
    if (country == nullptr) {
        return;
    }
    for (const auto& [id, referee] : country->referees) {
        rows_.push_back({id, ToUtf8(FormatPersonName(referee.name), ActiveCodePage()),
                         RefereeEditorModel::TraitText(referee.trait)});
    }
}

int RefereeListModel::RowOf(uint32_t id) const {
    for (size_t row = 0; row < rows_.size(); ++row) {
        if (rows_[row].id == id) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

size_t RefereeListModel::Count() const {
    const CCountry* country = Country();
    return country != nullptr ? country->referees.Count() : 0;
}

bool RefereeListModel::CanAdd() const {
    const CCountry* country = Country();
    return country != nullptr && !country->referees.Full();
}

const Referee* RefereeListModel::Find(uint32_t id) const {
    const CCountry* country = Country();
    return country != nullptr ? country->referees.Find(id) : nullptr;
}

uint32_t RefereeListModel::Add(const Referee& referee) {
    CCountry* country = Country();
    if (country == nullptr) {
        return 0;
    }
    const uint32_t id = country->referees.Add(referee);
    Refresh();
    return id;
}

bool RefereeListModel::Replace(uint32_t id, const Referee& referee) {
    CCountry* country = Country();
    if (country == nullptr || !country->referees.Replace(id, referee)) {
        return false;
    }
    Refresh();
    return true;
}

bool RefereeListModel::Delete(uint32_t id) {
    CCountry* country = Country();
    if (country == nullptr || !country->referees.Remove(id)) {
        return false;
    }
    Refresh();
    return true;
}

std::string RefereeListModel::FullMessage() {
    return FormatDialogText("referee.full", static_cast<int>(kMaxReferees));
}

} // namespace tallo
