#include "editing/country/country_editor_model.h"

#include "editing/session/database_session.h"
#include "formats/kl_file.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {

CountryEditorModel::CountryEditorModel(DatabaseSession& session, int country,
                                       const CountryEditContext& base)
    : world_(session.World()), number_(country), context_(base) {
    if (country < 1 || country > CWorld::kCountryCount) {
        return;
    }
    country_ = world_.GetCountry(country);
    if (country_ == nullptr) {
        return;
    }
    change_ = session.Journal().Begin("country.change");
    change_->IncludeCountry(country);
    context_.world = &world_;
    context_.country = country;
    context_.change = change_.get();
    startText_ = CountryText();
}

CountryEditorModel::~CountryEditorModel() {
    Abandon();
}

std::string CountryEditorModel::CountryName() const {
    return country_ != nullptr ? std::string(country_->Name(context_.languageSlot)) : std::string();
}

std::string CountryEditorModel::CountryText() const {
    // Club references are written with the numbers of a save; the numbering covers every
    // country, so it is built for the whole world and dropped again.
    world_.BuildClubRenumbering();
    CKLFile file;
    std::string text;
    if (file.OpenForWrite("country-editor-compare") && country_->Save(file)) {
        text = file.WrittenText();
    }
    file.AbandonWrite();
    world_.ClearClubRenumbering();
    return text;
}

bool CountryEditorModel::OtherCountryIncluded() const {
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        if (number != number_ && change_->Includes(number)) {
            return true;
        }
    }
    return false;
}

bool CountryEditorModel::Confirm() {
    if (!IsValid() || !IsOpen()) {
        return false;
    }
    changed_ = OtherCountryIncluded() || CountryText() != startText_;
    if (changed_) {
        change_->Commit();
    } else {
        change_->Abandon();
    }
    return changed_;
}

void CountryEditorModel::Abandon() {
    if (!IsOpen()) {
        return;
    }
    change_->Abandon();
    changed_ = false;
    // The country object stays the same; its clubs and nodes may be new objects now.
    country_ = world_.GetCountry(number_);
}

} // namespace tallo
