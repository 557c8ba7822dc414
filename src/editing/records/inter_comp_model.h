#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "world/rules_and_misc.h"

namespace tallo {

class CWorld;
class IRecordChoosers;

// The international competitions dialog (CDlgInterComp) on a copy of the database's rules:
// the names and console names of the four international cups in one database language (the
// other languages keep theirs), the last winners of the Champions Cup and the European Cup,
// the holder of the South American Cup, and the venues of the first season's two European
// finals.
//
// One club holds at most one of the three titles. When the model is filled, duplicates are
// cleared in a fixed order (the two European winners equal: the European Cup's is cleared;
// the holder equal to a winner: that winner is cleared). When the user enters a club that
// already holds another of the titles, the other one is cleared at once, so the choice just
// made is the one that stays (and the next opening has nothing left to clear).
//
// Names are typed as UTF-8 and kept as record text (8-bit, the database's code page), cut to
// 29 and 16 characters. A name with a double quote, a control character or a letter the code
// page cannot spell is never stored: Store keeps the old name and says why.
class InterCompModel {
public:
    enum Cup { kChampionsCup = 0, kEuropeanCup = 1, kSouthAmericanCup = 2, kItCup = 3 };
    static constexpr int kCups = RulesAndMisc::kCompetitions;
    // The three club references of the rules.
    enum Title { kChampionsCupWinner = 0, kEuropeanCupWinner = 1, kSouthAmericanHolder = 2 };
    static constexpr int kTitles = 3;
    // The two final venues with an editor.
    enum Venue { kChampionsCupFinal = 0, kEuropeanCupFinal = 1 };
    static constexpr int kVenues = 2;

    static constexpr size_t kNameLimit = RulesAndMisc::kLongNameSize - 1;       // 29
    static constexpr size_t kShortNameLimit = RulesAndMisc::kShortNameSize - 1; // 16

    // What choosing a club gave.
    enum class Choice { Cancelled, Chosen, Refused };

    // `languageSlot` (0 to 4; others count as 0) is the language whose names are edited.
    InterCompModel(const CWorld& world, int languageSlot);

    int LanguageSlot() const { return language_; }
    const CWorld& World() const { return world_; }

    // Takes the values of `rules` and clears duplicate titles (see above).
    void Fill(const RulesAndMisc& rules);
    // Writes the values into `rules`: names of the edited language only, the three titles and
    // the two venues; everything else stays. A name that cannot be stored keeps the old one;
    // the messages (UTF-8) say which. Names the user did not change are written back exactly.
    std::vector<std::string> Store(RulesAndMisc& rules) const;
    // The messages Store would give, without storing (empty when everything can be stored).
    std::vector<std::string> Problems() const;

    // Names (UTF-8 for the widgets; cut to the limits in record text).
    std::string Name(int cup) const;
    std::string ShortName(int cup) const;
    void SetName(int cup, const std::string& utf8);
    void SetShortName(int cup, const std::string& utf8);
    // The cup's title in the interface language (for labels and messages).
    static std::string CupTitle(int cup);

    // Titles --------------------------------------------------------------------------------
    uint32_t Club(int title) const;
    // Enters a club for a title. A second team (bit 24) stands for its club: the first team is
    // taken. A national team or a reference that leads to no club is refused (LastRefusal
    // says why) and nothing changes. Another title held by the same club is cleared. False
    // when refused.
    bool SetClub(int title, uint32_t reference);
    void ClearClub(int title);
    // Opens the club chooser preset to the title's club (or `presetCountry`) and enters the
    // chosen club as SetClub does.
    Choice ChooseClub(int title, IRecordChoosers& choosers, int presetCountry);
    // Why the last SetClub or ChooseClub refused (UTF-8).
    const std::string& LastRefusal() const { return refusal_; }
    // The titles the last SetClub cleared because the same club held them.
    const std::vector<int>& LastCleared() const { return cleared_; }
    // "Club (Country)" in the language slot, UTF-8; empty when the reference is 0 or leads to
    // no club.
    std::string ClubText(int title) const;

    // Venues ----------------------------------------------------------------------------------
    uint32_t VenueStadium(int venue) const;
    void SetVenueStadium(int venue, uint32_t reference);
    // "Stadium, City (Country)", UTF-8; empty when the reference is 0 or leads to no stadium.
    std::string VenueText(int venue) const;

private:
    struct NameField {
        std::string bytes;  // record text
        std::string filled; // as filled, to write untouched names back exactly
        bool spellable = true;
    };
    static bool ValidTitle(int title) { return title >= 0 && title < kTitles; }
    void ClearDuplicatesOnFill();
    void AddProblems(const NameField& field, std::vector<std::string>& problems) const;

    const CWorld& world_;
    int language_;
    std::array<NameField, kCups> names_{};
    std::array<NameField, kCups> shortNames_{};
    std::array<uint32_t, kTitles> clubs_{};
    std::array<uint32_t, kVenues> stadiums_{};
    std::string refusal_;
    std::vector<int> cleared_;
};

// The text a club reference is shown with: "Club (Country)" in a language slot, UTF-8; empty
// for 0 or a reference that leads to no club.
std::string ClubReferenceText(const CWorld& world, uint32_t reference, int languageSlot);
// The text a stadium reference is shown with: "Stadium, City (Country)", UTF-8; empty for 0
// or a reference that leads to no stadium.
std::string StadiumReferenceText(const CWorld& world, uint32_t reference, int languageSlot);

} // namespace tallo
