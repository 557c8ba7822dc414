#include "editing/country/country_general_page_model.h"

#include <algorithm>
#include <cstdio>

#include "editing/country/country_edit_context.h"
#include "world/country.h"
#include "world/fixed_text.h"
#include "world/world.h"

namespace tallo {

namespace {

static_assert(CountryGeneralPageModel::kLeagueLevels == CountrySettings::kLeagueLevels);

bool Offers(const std::vector<LanguageEntry>& languages, int language) {
    return std::any_of(languages.begin(), languages.end(),
                       [language](const LanguageEntry& e) { return e.language == language; });
}

std::string TextOf(const CCountry& country, CountryGeneralPageModel::Text text) {
    using M = CountryGeneralPageModel;
    switch (text) {
    case M::kAssociationName:
        return std::string(FixedText(country.associationName));
    case M::kPresidentFirstName:
        return std::string(FixedText(country.presidentFirstName));
    case M::kPresidentSurname:
        return std::string(FixedText(country.presidentSurname));
    case M::kNewspaperReporterFirstName:
        return std::string(FixedText(country.newspaperReporterFirstName));
    case M::kNewspaperReporterSurname:
        return std::string(FixedText(country.newspaperReporterSurname));
    case M::kStadiumReporterFirstName:
        return std::string(FixedText(country.stadiumReporterFirstName));
    case M::kStadiumReporterSurname:
        return std::string(FixedText(country.stadiumReporterSurname));
    case M::kStudioReporterFirstName:
        return std::string(FixedText(country.studioReporterFirstName));
    case M::kStudioReporterSurname:
        return std::string(FixedText(country.studioReporterSurname));
    case M::kMagazine:
        return country.magazine;
    case M::kTextCount:
        break;
    }
    return std::string();
}

void PutText(CCountry& country, CountryGeneralPageModel::Text text, const std::string& value) {
    using M = CountryGeneralPageModel;
    switch (text) {
    case M::kAssociationName:
        SetFixedText(country.associationName, value);
        break;
    case M::kPresidentFirstName:
        SetFixedText(country.presidentFirstName, value);
        break;
    case M::kPresidentSurname:
        SetFixedText(country.presidentSurname, value);
        break;
    case M::kNewspaperReporterFirstName:
        SetFixedText(country.newspaperReporterFirstName, value);
        break;
    case M::kNewspaperReporterSurname:
        SetFixedText(country.newspaperReporterSurname, value);
        break;
    case M::kStadiumReporterFirstName:
        SetFixedText(country.stadiumReporterFirstName, value);
        break;
    case M::kStadiumReporterSurname:
        SetFixedText(country.stadiumReporterSurname, value);
        break;
    case M::kStudioReporterFirstName:
        SetFixedText(country.studioReporterFirstName, value);
        break;
    case M::kStudioReporterSurname:
        SetFixedText(country.studioReporterSurname, value);
        break;
    case M::kMagazine:
        country.magazine = value;
        break;
    case M::kTextCount:
        break;
    }
}

int NumberOf(const CCountry& country, int number) {
    using M = CountryGeneralPageModel;
    if (number >= M::kValueM1 && number < M::kValueP1) {
        return country.valuesM[number - M::kValueM1];
    }
    if (number >= M::kValueP1 && number < M::kValueQ1) {
        return country.leagueValuesP[number - M::kValueP1];
    }
    if (number >= M::kValueQ1 && number < M::kContinentalTitles) {
        return country.leagueValuesQ[number - M::kValueQ1];
    }
    switch (number) {
    case M::kClimate:
        return country.climate;
    case M::kTransferAbroadProbability:
        return country.transferAbroadProbability;
    case M::kTeamMovement:
        return country.teamMovement;
    case M::kTransferPeriod1:
        return static_cast<int>(country.transferPeriod1);
    case M::kTransferPeriod2:
        return static_cast<int>(country.transferPeriod2);
    case M::kGeneratedPlayerRating:
        return country.generatedPlayerRating;
    case M::kSettingD:
        return country.settingD;
    case M::kContinentalTitles:
        return country.continentalTitles;
    case M::kContinentalRunnerUps:
        return country.continentalRunnerUps;
    case M::kWorldTitles:
        return country.worldTitles;
    case M::kWorldRunnerUps:
        return country.worldRunnerUps;
    default:
        return 0;
    }
}

void PutNumber(CCountry& country, int number, int value) {
    using M = CountryGeneralPageModel;
    const auto byte = static_cast<uint8_t>(value);
    const auto word = static_cast<uint16_t>(value);
    if (number >= M::kValueM1 && number < M::kValueP1) {
        country.valuesM[number - M::kValueM1] = word;
        return;
    }
    if (number >= M::kValueP1 && number < M::kValueQ1) {
        country.leagueValuesP[number - M::kValueP1] = byte;
        return;
    }
    if (number >= M::kValueQ1 && number < M::kContinentalTitles) {
        country.leagueValuesQ[number - M::kValueQ1] = byte;
        return;
    }
    switch (number) {
    case M::kClimate:
        country.climate = byte;
        break;
    case M::kTransferAbroadProbability:
        country.transferAbroadProbability = byte;
        break;
    case M::kTeamMovement:
        country.teamMovement = byte;
        break;
    case M::kTransferPeriod1:
        country.transferPeriod1 = static_cast<uint32_t>(value);
        break;
    case M::kTransferPeriod2:
        country.transferPeriod2 = static_cast<uint32_t>(value);
        break;
    case M::kGeneratedPlayerRating:
        country.generatedPlayerRating = static_cast<int8_t>(value);
        break;
    case M::kSettingD:
        country.settingD = byte;
        break;
    case M::kContinentalTitles:
        country.continentalTitles = word;
        break;
    case M::kContinentalRunnerUps:
        country.continentalRunnerUps = word;
        break;
    case M::kWorldTitles:
        country.worldTitles = word;
        break;
    case M::kWorldRunnerUps:
        country.worldRunnerUps = word;
        break;
    default:
        break;
    }
}

// The notes as an edit shows them: lines separated by "\n".
std::string NotesForEdit(const std::string& stored) {
    std::string text;
    text.reserve(stored.size());
    for (char c : stored) {
        if (c != '\r') {
            text.push_back(c);
        }
    }
    return text;
}

} // namespace

CountryGeneralPageModel::CountryGeneralPageModel(const CountryEditContext& context)
    : context_(context), languages_(LanguageList(kLastLanguage, true)) {
    Fill();
}

CCountry* CountryGeneralPageModel::Country() const {
    return context_.EditedCountry();
}

void CountryGeneralPageModel::Fill() {
    const CCountry* country = Country();
    nationalStadium.entries =
        country != nullptr ? StadiumChoices(*country) : std::vector<ChoiceEntry>(1);
    texts_ = {};
    numbers_ = {};
    flags_ = {};
    chosenLanguages_ = {-1, -1, -1, -1};
    shares_ = {};
    notes_.clear();
    presidentBirthDate = BirthDateFields{};
    if (country != nullptr) {
        for (int text = 0; text < kTextCount; ++text) {
            texts_[text] = TextOf(*country, static_cast<Text>(text));
        }
        for (int number = 0; number < kNumberCount; ++number) {
            numbers_[number] = NumberOf(*country, number);
        }
        flags_[kGenerateNames] = country->generateNames;
        flags_[kSettingB] = country->settingB != 0;
        for (int box = 0; box < kLanguageBoxes; ++box) {
            const int language = country->languages[box];
            chosenLanguages_[box] = Offers(languages_, language) ? language : -1;
            shares_[box] = country->languageShares[box];
        }
        presidentBirthDate.SetFrom(country->presidentBirthDate);
        notes_ = NotesForEdit(country->notes);
    }
    nationalStadium.Fill(country != nullptr ? country->nationalStadium : 0);
    filledTexts_ = texts_;
    filledNumbers_ = numbers_;
    filledFlags_ = flags_;
    filledLanguages_ = chosenLanguages_;
    filledShares_ = shares_;
    filledBirthDate_ = presidentBirthDate;
    filledNotes_ = notes_;
}

void CountryGeneralPageModel::Store() {
    CCountry* country = Country();
    if (country == nullptr) {
        return;
    }
    for (int text = 0; text < kTextCount; ++text) {
        if (texts_[text] != filledTexts_[text]) {
            PutText(*country, static_cast<Text>(text), texts_[text]);
        }
    }
    for (int number = 0; number < kNumberCount; ++number) {
        if (numbers_[number] != filledNumbers_[number]) {
            PutNumber(*country, number, numbers_[number]);
        }
    }
    if (flags_[kGenerateNames] != filledFlags_[kGenerateNames]) {
        country->generateNames = flags_[kGenerateNames];
    }
    if (flags_[kSettingB] != filledFlags_[kSettingB]) {
        country->settingB = flags_[kSettingB] ? 1 : 0;
    }
    if (chosenLanguages_ != filledLanguages_) {
        for (int box = 0; box < kLanguageBoxes; ++box) {
            if (chosenLanguages_[box] >= 0) {
                country->languages[box] = static_cast<uint8_t>(chosenLanguages_[box]);
            }
        }
        // A language spoken twice is kept in its first box.
        for (int box = 1; box < kLanguageBoxes; ++box) {
            const uint8_t language = country->languages[box];
            if (language != 0 && std::find(country->languages, country->languages + box,
                                           language) != country->languages + box) {
                country->languages[box] = 0;
            }
        }
    }
    for (int box = 0; box < kLanguageBoxes; ++box) {
        if (shares_[box] != filledShares_[box]) {
            country->languageShares[box] = static_cast<uint8_t>(shares_[box]);
        }
    }
    if (!(presidentBirthDate == filledBirthDate_)) {
        country->presidentBirthDate = presidentBirthDate.ToDate();
    }
    country->nationalStadium = nationalStadium.Value();
    if (notes_ != filledNotes_) {
        std::string stored;
        for (char c : notes_) {
            if (c == '\n') {
                stored += "\r\n";
            } else {
                stored.push_back(c);
            }
        }
        country->notes = std::move(stored);
    }
    Fill();
}

std::string CountryGeneralPageModel::CountryName() const {
    const CCountry* country = Country();
    return country != nullptr ? std::string(country->Name(context_.languageSlot)) : std::string();
}

std::string CountryGeneralPageModel::CountryAbbreviation() const {
    const CCountry* country = Country();
    return country != nullptr ? std::string(country->Abbreviation(context_.languageSlot))
                              : std::string();
}

size_t CountryGeneralPageModel::TextLimit(Text text) {
    switch (text) {
    case kAssociationName:
        return sizeof(CountrySettings::associationName) - 1;
    case kPresidentFirstName:
    case kNewspaperReporterFirstName:
    case kStadiumReporterFirstName:
    case kStudioReporterFirstName:
        return sizeof(CountrySettings::presidentFirstName) - 1;
    case kPresidentSurname:
    case kNewspaperReporterSurname:
    case kStadiumReporterSurname:
    case kStudioReporterSurname:
        return sizeof(CountrySettings::presidentSurname) - 1;
    case kMagazine:
        return kMagazineLimit;
    case kTextCount:
        break;
    }
    return 0;
}

void CountryGeneralPageModel::SetText(Text text, std::string value) {
    if (text < 0 || text >= kTextCount) {
        return;
    }
    if (value.size() > TextLimit(text)) {
        value.resize(TextLimit(text));
    }
    texts_[text] = std::move(value);
}

CountryGeneralPageModel::Range CountryGeneralPageModel::Limits(Number number) {
    if (number >= kValueM1 && number < kValueP1) {
        return {0, 65535};
    }
    if (number >= kValueP1 && number < kContinentalTitles) {
        return {0, 255};
    }
    switch (number) {
    case kClimate:
        return {0, 4};
    case kTransferAbroadProbability:
        return {0, 100};
    case kTeamMovement:
        return {0, 3};
    case kTransferPeriod1:
    case kTransferPeriod2:
        return {0, 2};
    case kGeneratedPlayerRating:
        return {1, CCountry::kMaxGeneratedPlayerRating};
    case kSettingD:
        return {0, 255};
    case kContinentalTitles:
    case kContinentalRunnerUps:
    case kWorldTitles:
    case kWorldRunnerUps:
        return {0, 20};
    default:
        return {0, 0};
    }
}

int CountryGeneralPageModel::Value(Number number) const {
    return number >= 0 && number < kNumberCount ? numbers_[number] : 0;
}

void CountryGeneralPageModel::SetValue(Number number, int value) {
    if (number >= 0 && number < kNumberCount) {
        const Range range = Limits(number);
        numbers_[number] = std::clamp(value, range.low, range.high);
    }
}

void CountryGeneralPageModel::SetFlag(Flag flag, bool on) {
    if (flag >= 0 && flag < kFlagCount) {
        flags_[flag] = on;
    }
}

std::string CountryGeneralPageModel::RatingText(int halfPoints) {
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", halfPoints * 0.5);
    return text;
}

int CountryGeneralPageModel::Language(int box) const {
    return box >= 0 && box < kLanguageBoxes ? chosenLanguages_[box] : -1;
}

void CountryGeneralPageModel::SetLanguage(int box, int language) {
    if (box < 0 || box >= kLanguageBoxes) {
        return;
    }
    if (language < 0) {
        chosenLanguages_[box] = -1;
    } else if (Offers(languages_, language)) {
        chosenLanguages_[box] = language;
    }
}

int CountryGeneralPageModel::Share(int box) const {
    return box >= 0 && box < kLanguageBoxes ? shares_[box] : 0;
}

void CountryGeneralPageModel::SetShare(int box, int value) {
    if (box < 0 || box >= kLanguageBoxes) {
        return;
    }
    const int others = ShareTotal() - shares_[box];
    shares_[box] = std::clamp(value, 0, std::max(0, kMaxShareTotal - others));
}

int CountryGeneralPageModel::ShareTotal() const {
    int total = 0;
    for (int share : shares_) {
        total += share;
    }
    return total;
}

void CountryGeneralPageModel::SetNotes(const std::string& text) {
    notes_.clear();
    for (char c : text) {
        if (c == '\t') {
            notes_.push_back(' ');
        } else if (c != '\r') {
            notes_.push_back(c);
        }
    }
}

} // namespace tallo
