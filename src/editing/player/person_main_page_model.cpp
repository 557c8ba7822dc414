#include "editing/player/person_main_page_model.h"

#include <algorithm>
#include <filesystem>

#include "editing/main_window/record_name_order.h"
#include "editing/player/person_edit_context.h"
#include "formats/dialog_text.h"
#include "formats/string_table.h"
#include "platform/code_page.h"
#include "platform/path_resolver.h"
#include "platform/prompt.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {

namespace {

constexpr int kNoPhotoText = 575;

bool IsCountryNumber(int country) {
    return country >= 1 && country <= CWorld::kCountryCount;
}

// The folder a path lies in, resolved as far as it exists (symbolic links, "..").
std::filesystem::path ResolvedFolder(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
    if (error) {
        resolved = path.lexically_normal();
    }
    if (!resolved.has_filename()) {
        resolved = resolved.parent_path(); // a trailing "/"
    }
    return resolved;
}

} // namespace

PersonMainPageModel::PersonMainPageModel(const PersonEditContext& context) : context_(context) {
    FillCountries();
}

void PersonMainPageModel::FillCountries() {
    countries_.clear();
    if (context_.world == nullptr) {
        return;
    }
    struct Sorted {
        std::string key;
        CountryChoice choice;
    };
    std::vector<Sorted> sorted;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const CCountry* country = context_.world->GetCountry(number);
        const std::string_view name =
            country != nullptr ? country->Name(context_.languageSlot) : std::string_view();
        std::string shown = name.empty() ? FormatDialogText("person.main.country_number", number)
                                         : ToUtf8(name, ActiveCodePage());
        sorted.push_back(
            {name.empty() ? std::string("\x7f") : RecordNameKey(name), {number, std::move(shown)}});
    }
    // Countries without a name go last, in number order.
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Sorted& a, const Sorted& b) { return a.key < b.key; });
    for (Sorted& entry : sorted) {
        countries_.push_back(std::move(entry.choice));
    }
}

void PersonMainPageModel::SetPerson(CPlayer* person) {
    person_ = person;
    Fill();
}

void PersonMainPageModel::Fill() {
    if (person_ == nullptr) {
        names_ = {};
        nationality_ = 1;
        secondNationality_ = 0;
        exemption = false;
        photo_.clear();
        birthDate = BirthDateFields{};
    } else {
        names_[kSurname] = std::string(person_->Surname());
        names_[kFirstName] = std::string(person_->FirstName());
        names_[kPseudonym] = std::string(person_->Pseudonym());
        names_[kNickname] = std::string(person_->Nickname());
        nationality_ = person_->Nationality();
        secondNationality_ = person_->SecondNationality();
        exemption = person_->ForeignExemption() != 0;
        photo_ = person_->Photo();
        birthDate.SetFrom(person_->BirthDate());
    }
    filledNames_ = names_;
    filledNationality_ = nationality_;
    filledSecondNationality_ = secondNationality_;
    filledExemption_ = exemption;
    filledPhoto_ = photo_;
    filledBirthDate_ = birthDate;
}

void PersonMainPageModel::Store() {
    if (person_ == nullptr) {
        return;
    }
    CPlayer& person = *person_;
    if (names_[kSurname] != filledNames_[kSurname]) {
        person.SetSurname(names_[kSurname]);
    }
    if (names_[kFirstName] != filledNames_[kFirstName]) {
        person.SetFirstName(names_[kFirstName]);
    }
    if (names_[kPseudonym] != filledNames_[kPseudonym]) {
        person.SetPseudonym(names_[kPseudonym]);
    }
    if (names_[kNickname] != filledNames_[kNickname]) {
        person.SetNickname(names_[kNickname]);
    }
    if (nationality_ != filledNationality_) {
        person.SetNationality(static_cast<uint8_t>(nationality_));
    }
    if (secondNationality_ != filledSecondNationality_) {
        person.SetSecondNationality(static_cast<uint8_t>(secondNationality_));
    }
    if (exemption != filledExemption_) {
        person.SetForeignExemption(exemption ? 1 : 0);
    }
    if (photo_ != filledPhoto_) {
        person.SetPhoto(photo_);
    }
    if (!(birthDate == filledBirthDate_)) {
        person.SetBirthDate(birthDate.ToDate());
    }
    // A second store without further edits writes nothing again.
    Fill();
}

size_t PersonMainPageModel::NameLimit(Name name) {
    return name == kFirstName ? 15 : 19;
}

void PersonMainPageModel::SetName(Name name, std::string text) {
    if (text.size() > NameLimit(name)) {
        text.resize(NameLimit(name));
    }
    names_[name] = std::move(text);
}

void PersonMainPageModel::SetNationality(int country) {
    if (IsCountryNumber(country)) {
        nationality_ = country;
    }
}

void PersonMainPageModel::SetSecondNationality(int country) {
    if (country == 0 || IsCountryNumber(country)) {
        secondNationality_ = country;
    }
}

std::string PersonMainPageModel::PhotoPath() const {
    if (photo_.empty()) {
        return std::string();
    }
    // The record keeps the name in the database's code page; the file system wants UTF-8.
    return ResolvePath(context_.pictureFolder + "/" + ToUtf8(photo_, ActiveCodePage()));
}

std::string PersonMainPageModel::PhotoText() const {
    if (photo_.empty()) {
        return LoadString(kNoPhotoText);
    }
    return ToUtf8(photo_, ActiveCodePage());
}

bool PersonMainPageModel::ChoosePhoto() {
    if (context_.prompt == nullptr || person_ == nullptr) {
        return false;
    }
    const std::optional<std::string> chosen =
        context_.prompt->ChooseFileToOpen(DialogText("person.photo.filter"), "bmp");
    if (!chosen || chosen->empty()) {
        return false;
    }
    const std::filesystem::path path(*chosen);
    const std::string name = path.filename().string();
    // The record keeps a file name only; the picture is looked for in the picture folder.
    if (name.empty() || context_.pictureFolder.empty() ||
        ResolvedFolder(path.parent_path()) !=
            ResolvedFolder(std::filesystem::path(context_.pictureFolder))) {
        context_.prompt->ShowMessage(
            FormatDialogText("person.photo.outside", context_.pictureFolder.c_str()),
            DialogText("person.main.photo"));
        return false;
    }
    bool lossless = true;
    std::string record = FromUtf8(name, ActiveCodePage(), &lossless);
    if (!lossless) {
        // A name the database's code page cannot spell would name another file.
        context_.prompt->ShowMessage(FormatDialogText("person.photo.unspellable", name.c_str()),
                                     DialogText("person.main.photo"));
        return false;
    }
    photo_ = std::move(record);
    return true;
}

PersonRoleGroup PersonMainPageModel::RoleGroup() const {
    return person_ != nullptr ? RoleGroupOf(person_->Role()) : PersonRoleGroup::Player;
}

} // namespace tallo
