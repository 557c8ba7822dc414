#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "editing/club/club_choice_lists.h"
#include "editing/common/language_list.h"
#include "editing/player/birth_date_fields.h"

namespace tallo {

class CCountry;
struct CountryEditContext;

// The general data page of the country settings editor (CDlgLandGeneral): the country's own
// data that no other page of the editor edits.
//
// - The country's name and abbreviation come from the installation's country list and are
//   not read back from the country file, so the page shows them without editing them.
// - Association name, president and reporters' names, the most popular magazine: record text
//   (8-bit) within the lengths of their fields.
// - The four languages with their shares in percent. A share can be raised only as far as
//   the four shares stay at 100 in all; shares read from a file are kept as they are until
//   the user changes one. A language chosen twice is kept in the first box only (the later
//   box becomes "none") when the page is stored.
// - The numbers (climate, transfer settings, the settings known only by a letter, the
//   per-level values P and Q, the generated player rating in half points, the national
//   team's records) each within its range, and two yes/no settings.
// - The national stadium (one of the country's stadiums, or none) and the notes.
//
// The page edits its country in place. Store writes only what differs from what Fill found,
// so a page that was not touched changes no byte of the country.
class CountryGeneralPageModel {
public:
    enum Text {
        kAssociationName,
        kPresidentFirstName,
        kPresidentSurname,
        kNewspaperReporterFirstName,
        kNewspaperReporterSurname,
        kStadiumReporterFirstName,
        kStadiumReporterSurname,
        kStudioReporterFirstName,
        kStudioReporterSurname,
        kMagazine,
        kTextCount
    };

    enum Number {
        kClimate,                          // 0 cold ... 4 hot
        kTransferAbroadProbability,        // 0-100
        kTeamMovement,                     // 0-3
        kTransferPeriod1,                  // 0-2
        kTransferPeriod2,                  // 0-2
        kGeneratedPlayerRating,            // 1-26 half points
        kSettingD,                         // 0-255
        kValueM1,                          // M1 to M6: kValueM1 + 0 ... + 5, 0-65535 each
        kValueP1 = kValueM1 + 6,           // P of league levels 1 to 5, 0-255 each
        kValueQ1 = kValueP1 + 5,           // Q of league levels 1 to 5, 0-255 each
        kContinentalTitles = kValueQ1 + 5, // national team records, 0-20 each
        kContinentalRunnerUps,
        kWorldTitles,
        kWorldRunnerUps,
        kNumberCount
    };

    enum Flag {
        kGenerateNames,
        kSettingB, // a two-way setting: 1 when set
        kFlagCount
    };

    struct Range {
        int low = 0;
        int high = 0;
    };

    static constexpr int kLanguageBoxes = 4;
    // The language list of a country: 0 none, then the 58 languages a person record keeps
    // (persons take their first languages from their country).
    static constexpr int kLastLanguage = 58;
    static constexpr int kMaxShareTotal = 100;
    static constexpr size_t kMagazineLimit = 30;
    static constexpr int kLeagueLevels = 5; // P and Q, one per level

    explicit CountryGeneralPageModel(const CountryEditContext& context);

    // Country to values (also fills the stadium and language choices).
    void Fill();
    // Changed values to the country.
    void Store();

    // The country's name and abbreviation in the database's language slot (record text).
    std::string CountryName() const;
    std::string CountryAbbreviation() const;

    static size_t TextLimit(Text text);
    const std::string& TextValue(Text text) const { return texts_[text]; }
    void SetText(Text text, std::string value); // record text, cut to its limit

    static Range Limits(Number number);
    int Value(Number number) const;
    void SetValue(Number number, int value); // bounded to its range

    bool FlagValue(Flag flag) const { return flags_[flag]; }
    void SetFlag(Flag flag, bool on);

    // The generated player rating shown as a mark: half points as "%.1f" (26 gives 13.0).
    static std::string RatingText(int halfPoints);

    // The languages each box offers.
    const std::vector<LanguageEntry>& Languages() const { return languages_; }
    // The language of a box; -1 when none is selected (a stored language not in the list),
    // which keeps the stored one.
    int Language(int box) const;
    void SetLanguage(int box, int language);
    int Share(int box) const;
    // Bounded to 0 and to what the other three shares leave of 100.
    void SetShare(int box, int value);
    int ShareTotal() const;

    BirthDateFields presidentBirthDate;
    int PresidentAge() const { return presidentBirthDate.Age(); }

    // The country's stadiums ("name, city") after a "none" entry (value 0); values are the
    // stadium keys.
    ChoiceField nationalStadium;

    // The notes with "\n" between lines, as an edit shows them; stored with CR LF between
    // lines. A tab becomes a blank (the file keeps the notes on one line, tabs marking the
    // line breaks).
    const std::string& Notes() const { return notes_; }
    void SetNotes(const std::string& text);

private:
    CCountry* Country() const;

    const CountryEditContext& context_;
    std::vector<LanguageEntry> languages_;

    std::array<std::string, kTextCount> texts_;
    std::array<int, kNumberCount> numbers_{};
    std::array<bool, kFlagCount> flags_{};
    std::array<int, kLanguageBoxes> chosenLanguages_{};
    std::array<int, kLanguageBoxes> shares_{};
    std::string notes_;

    // What Fill found.
    std::array<std::string, kTextCount> filledTexts_;
    std::array<int, kNumberCount> filledNumbers_{};
    std::array<bool, kFlagCount> filledFlags_{};
    std::array<int, kLanguageBoxes> filledLanguages_{};
    std::array<int, kLanguageBoxes> filledShares_{};
    BirthDateFields filledBirthDate_;
    std::string filledNotes_;
};

} // namespace tallo
