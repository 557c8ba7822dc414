#include "editing/records/inter_comp_model.h"

#include <algorithm>

#include "editing/common/record_choosers.h"
#include "formats/dialog_text.h"
#include "platform/code_page.h"
#include "world/club.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {

namespace {

// The club a reference means, whichever team of it was named.
uint32_t ClubOf(uint32_t reference) {
    return reference & ClubId::kIdMask;
}

bool SameClub(uint32_t a, uint32_t b) {
    return ClubOf(a) != 0 && ClubOf(a) == ClubOf(b);
}

// A name as record text, cut to `limit` bytes; `spellable` tells whether the code page could
// spell every letter.
std::string ToRecordText(const std::string& utf8, size_t limit, bool& spellable) {
    bool lossless = true;
    std::string bytes = FromUtf8(utf8, ActiveCodePage(), &lossless);
    spellable = lossless;
    if (bytes.size() > limit) {
        bytes.resize(limit);
    }
    return bytes;
}

// What RulesAndMisc accepts in a name: no double quote, no control character.
bool StorableName(const std::string& bytes) {
    return std::none_of(bytes.begin(), bytes.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == '"'; });
}

std::string Utf8(std::string_view bytes) {
    return ToUtf8(bytes, ActiveCodePage());
}

} // namespace

std::string ClubReferenceText(const CWorld& world, uint32_t reference, int languageSlot) {
    if (reference == 0) {
        return std::string();
    }
    const CClub* club = world.FindClub(reference);
    const CCountry* country = world.GetCountry(static_cast<int>(ClubId::CountryOf(reference)));
    if (club == nullptr || country == nullptr) {
        return std::string();
    }
    return FormatDialogText("intercomp.club_text", Utf8(club->Name(languageSlot)).c_str(),
                            Utf8(country->Name(languageSlot)).c_str());
}

std::string StadiumReferenceText(const CWorld& world, uint32_t reference, int languageSlot) {
    const uint32_t key = reference & 0xFFFFu;
    const uint32_t number = ClubId::CountryOf(reference);
    if (key == 0 || number < 1 || number > static_cast<uint32_t>(CWorld::kCountryCount)) {
        return std::string();
    }
    const CCountry* country = world.GetCountry(static_cast<int>(number));
    const Stadium* stadium = country != nullptr ? country->stadiums.Find(key) : nullptr;
    if (stadium == nullptr) {
        return std::string();
    }
    const std::string countryName = Utf8(country->Name(languageSlot));
    if (stadium->City().empty()) {
        return FormatDialogText("intercomp.stadium_text_no_city", Utf8(stadium->Name()).c_str(),
                                countryName.c_str());
    }
    return FormatDialogText("intercomp.stadium_text", Utf8(stadium->Name()).c_str(),
                            Utf8(stadium->City()).c_str(), countryName.c_str());
}

InterCompModel::InterCompModel(const CWorld& world, int languageSlot)
    : world_(world),
      language_(languageSlot >= 0 && languageSlot < RulesAndMisc::kLanguages ? languageSlot : 0) {}

void InterCompModel::Fill(const RulesAndMisc& rules) {
    for (int cup = 0; cup < kCups; ++cup) {
        names_[cup].bytes = std::string(rules.LongName(cup, language_));
        names_[cup].filled = names_[cup].bytes;
        names_[cup].spellable = true;
        shortNames_[cup].bytes = std::string(rules.ShortName(cup, language_));
        shortNames_[cup].filled = shortNames_[cup].bytes;
        shortNames_[cup].spellable = true;
    }
    for (int title = 0; title < kTitles; ++title) {
        clubs_[title] = rules.ClubReference(title);
    }
    for (int venue = 0; venue < kVenues; ++venue) {
        stadiums_[venue] = rules.StadiumReference(venue);
    }
    ClearDuplicatesOnFill();
}

void InterCompModel::ClearDuplicatesOnFill() {
    if (SameClub(clubs_[kChampionsCupWinner], clubs_[kEuropeanCupWinner])) {
        clubs_[kEuropeanCupWinner] = 0;
    }
    if (SameClub(clubs_[kSouthAmericanHolder], clubs_[kChampionsCupWinner])) {
        clubs_[kChampionsCupWinner] = 0;
    }
    if (SameClub(clubs_[kSouthAmericanHolder], clubs_[kEuropeanCupWinner])) {
        clubs_[kEuropeanCupWinner] = 0;
    }
}

std::string InterCompModel::Name(int cup) const {
    return cup >= 0 && cup < kCups ? Utf8(names_[cup].bytes) : std::string();
}

std::string InterCompModel::ShortName(int cup) const {
    return cup >= 0 && cup < kCups ? Utf8(shortNames_[cup].bytes) : std::string();
}

void InterCompModel::SetName(int cup, const std::string& utf8) {
    if (cup >= 0 && cup < kCups) {
        names_[cup].bytes = ToRecordText(utf8, kNameLimit, names_[cup].spellable);
    }
}

void InterCompModel::SetShortName(int cup, const std::string& utf8) {
    if (cup >= 0 && cup < kCups) {
        shortNames_[cup].bytes = ToRecordText(utf8, kShortNameLimit, shortNames_[cup].spellable);
    }
}

std::string InterCompModel::CupTitle(int cup) {
    switch (cup) {
    case kChampionsCup:
        return DialogText("intercomp.cup.champions");
    case kEuropeanCup:
        return DialogText("intercomp.cup.european");
    case kSouthAmericanCup:
        return DialogText("intercomp.cup.south_american");
    case kItCup:
        return DialogText("intercomp.cup.it");
    default:
        return std::string();
    }
}

void InterCompModel::AddProblems(const NameField& field, std::vector<std::string>& problems) const {
    if (field.bytes == field.filled) {
        return; // untouched: written back as it was
    }
    if (!field.spellable) {
        problems.push_back(
            FormatDialogText("intercomp.refused.code_page", Utf8(field.bytes).c_str()));
    } else if (!StorableName(field.bytes)) {
        problems.push_back(FormatDialogText("intercomp.refused.name", Utf8(field.bytes).c_str()));
    }
}

std::vector<std::string> InterCompModel::Problems() const {
    std::vector<std::string> problems;
    for (int cup = 0; cup < kCups; ++cup) {
        AddProblems(names_[cup], problems);
        AddProblems(shortNames_[cup], problems);
    }
    return problems;
}

std::vector<std::string> InterCompModel::Store(RulesAndMisc& rules) const {
    std::vector<std::string> refused;
    for (int cup = 0; cup < kCups; ++cup) {
        const NameField& name = names_[cup];
        if (name.bytes != name.filled) {
            AddProblems(name, refused);
            if (name.spellable) {
                rules.SetLongName(cup, language_, name.bytes); // refuses what AddProblems names
            }
        }
        const NameField& shortName = shortNames_[cup];
        if (shortName.bytes != shortName.filled) {
            AddProblems(shortName, refused);
            if (shortName.spellable) {
                rules.SetShortName(cup, language_, shortName.bytes);
            }
        }
    }
    for (int title = 0; title < kTitles; ++title) {
        rules.SetClubReference(title, clubs_[title]);
    }
    for (int venue = 0; venue < kVenues; ++venue) {
        rules.SetStadiumReference(venue, stadiums_[venue]);
    }
    return refused;
}

uint32_t InterCompModel::Club(int title) const {
    return ValidTitle(title) ? clubs_[title] : 0;
}

bool InterCompModel::SetClub(int title, uint32_t reference) {
    refusal_.clear();
    cleared_.clear();
    if (!ValidTitle(title)) {
        return false;
    }
    const uint32_t club = ClubOf(reference);
    if (club == 0 || world_.FindClub(club) == nullptr) {
        refusal_ = DialogText("intercomp.refused.no_club");
        return false;
    }
    if (ClubId::IsNationalTeam(club)) {
        refusal_ = DialogText("intercomp.refused.national_team");
        return false;
    }
    for (int other = 0; other < kTitles; ++other) {
        if (other != title && SameClub(clubs_[other], club)) {
            clubs_[other] = 0;
            cleared_.push_back(other);
        }
    }
    clubs_[title] = club;
    return true;
}

void InterCompModel::ClearClub(int title) {
    if (ValidTitle(title)) {
        clubs_[title] = 0;
    }
}

InterCompModel::Choice InterCompModel::ChooseClub(int title, IRecordChoosers& choosers,
                                                  int presetCountry) {
    refusal_.clear();
    cleared_.clear();
    if (!ValidTitle(title)) {
        return Choice::Cancelled;
    }
    const uint32_t current = clubs_[title];
    const int country = current != 0 && world_.FindClub(current) != nullptr
                            ? static_cast<int>(ClubId::CountryOf(current))
                            : presetCountry;
    const auto chosen = choosers.ChooseClub(country, current);
    if (!chosen.has_value()) {
        return Choice::Cancelled;
    }
    return SetClub(title, *chosen) ? Choice::Chosen : Choice::Refused;
}

std::string InterCompModel::ClubText(int title) const {
    return ClubReferenceText(world_, Club(title), language_);
}

uint32_t InterCompModel::VenueStadium(int venue) const {
    return venue >= 0 && venue < kVenues ? stadiums_[venue] : 0;
}

void InterCompModel::SetVenueStadium(int venue, uint32_t reference) {
    if (venue >= 0 && venue < kVenues) {
        stadiums_[venue] = reference;
    }
}

std::string InterCompModel::VenueText(int venue) const {
    return StadiumReferenceText(world_, VenueStadium(venue), language_);
}

} // namespace tallo
