#include "editing/records/stadium_list_model.h"

#include "editing/country/country_edit_context.h"
#include "editing/records/stadium_editor_model.h"
#include "formats/dialog_text.h"
#include "platform/code_page.h"
#include "world/club.h"
#include "world/country.h"
#include "world/rules_and_misc.h"
#include "world/world.h"

namespace tallo {

namespace {

constexpr uint32_t kStadiumKeyMask = 0xFFFFu;

} // namespace

StadiumListModel::StadiumListModel(const CountryEditContext& context) : context_(context) {
    Refresh();
}

CCountry* StadiumListModel::Country() const {
    return context_.world != nullptr ? context_.world->GetCountry(context_.country) : nullptr;
}

void StadiumListModel::Refresh() {
    rows_.clear();
    const CCountry* country = Country();
    if (country == nullptr) {
        return;
    }
    const CodePage page = ActiveCodePage();
    for (const auto& [key, stadium] : country->stadiums) {
        Row row;
        row.key = key;
        row.name = stadium.Name().empty() ? DialogText("stadium.list.unnamed")
                                          : ToUtf8(stadium.Name(), page);
        row.city = ToUtf8(stadium.City(), page);
        row.capacity = StadiumEditorModel::CountText(stadium.TotalCapacity());
        rows_.push_back(std::move(row));
    }
}

size_t StadiumListModel::Count() const {
    const CCountry* country = Country();
    return country != nullptr ? country->stadiums.Count() : 0;
}

bool StadiumListModel::CanAdd() const {
    const CCountry* country = Country();
    return country != nullptr && !country->stadiums.Full();
}

uint32_t StadiumListModel::Add(const Stadium& stadium) {
    CCountry* country = Country();
    if (country == nullptr) {
        return 0;
    }
    const uint32_t key = country->stadiums.Add(stadium);
    Refresh();
    return key;
}

const Stadium* StadiumListModel::Find(uint32_t key) const {
    const CCountry* country = Country();
    return country != nullptr ? country->stadiums.Find(key) : nullptr;
}

bool StadiumListModel::Replace(uint32_t key, const Stadium& stadium) {
    CCountry* country = Country();
    if (country == nullptr || !country->stadiums.Replace(key, stadium)) {
        return false;
    }
    Refresh();
    return true;
}

bool StadiumListModel::IsFinalVenue(uint32_t reference, uint32_t key) const {
    return reference != 0 &&
           ClubId::CountryOf(reference) == static_cast<uint32_t>(context_.country) &&
           (reference & kStadiumKeyMask) == key;
}

StadiumListModel::References StadiumListModel::ReferencesTo(uint32_t key) const {
    References references;
    const CCountry* country = Country();
    if (country == nullptr || key == 0 || !country->stadiums.Contains(key)) {
        return references;
    }
    for (const auto& [id, club] : country->Clubs()) {
        if (club->MainStadium() == key || club->AlternativeStadium() == key) {
            ++references.clubs;
        }
    }
    references.national = country->nationalStadium == key;
    for (int i = 0; i < RulesAndMisc::kStadiumReferences; ++i) {
        if (IsFinalVenue(context_.world->Rules().StadiumReference(i), key)) {
            ++references.finals;
        }
    }
    return references;
}

std::string StadiumListModel::DeleteQuestion(uint32_t key) const {
    const References references = ReferencesTo(key);
    const Stadium* stadium = Find(key);
    if (stadium == nullptr || !references.Any()) {
        return std::string();
    }
    const std::string name = stadium->Name().empty() ? DialogText("stadium.list.unnamed")
                                                     : ToUtf8(stadium->Name(), ActiveCodePage());
    std::string text = FormatDialogText("stadium.delete.question", name.c_str());
    text += "\n\n";
    if (references.clubs > 0) {
        text += FormatDialogText("stadium.delete.clubs", references.clubs) + "\n";
    }
    if (references.national) {
        text += DialogText("stadium.delete.national") + "\n";
    }
    if (references.finals > 0) {
        text += FormatDialogText("stadium.delete.finals", references.finals) + "\n";
    }
    text += DialogText("stadium.delete.cleared");
    return text;
}

bool StadiumListModel::Delete(uint32_t key) {
    CCountry* country = Country();
    if (country == nullptr || key == 0 || !country->stadiums.Contains(key)) {
        return false;
    }
    const References references = ReferencesTo(key);
    if (references.finals > 0) {
        // The rules are not part of the country the editor keeps: keep them before clearing.
        if (context_.change != nullptr) {
            ChangeScope rules;
            rules.rules = true;
            context_.change->Include(rules);
        }
        RulesAndMisc& stored = context_.world->Rules();
        for (int i = 0; i < RulesAndMisc::kStadiumReferences; ++i) {
            if (IsFinalVenue(stored.StadiumReference(i), key)) {
                stored.SetStadiumReference(i, 0);
            }
        }
    }
    for (const auto& [id, club] : country->Clubs()) {
        if (club->MainStadium() == key) {
            club->SetMainStadium(0);
        }
        if (club->AlternativeStadium() == key) {
            club->SetAlternativeStadium(0);
        }
    }
    if (country->nationalStadium == key) {
        country->nationalStadium = 0;
    }
    country->stadiums.Remove(key);
    Refresh();
    return true;
}

} // namespace tallo
