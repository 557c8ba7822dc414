#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "editing/player/player_history_date_fields.h"

namespace tallo {

class CPlayer;
struct PersonEditContext;

// The history page (CDlgPlayerHist): the club references of a person (first, previous, loan,
// favourite and never-join club), the year joined and the contract, the national team's caps,
// goals and flags, and the favourite country.
//
// The page edits its person in place. A club is chosen through the club chooser and set into
// the person at once; the other values are written by Store, each only when it differs from
// what Fill found, so an untouched page changes no byte.
class PlayerHistoryPageModel {
public:
    enum ClubSlot { kFirstClub, kPreviousClub, kLoanClub, kFavouriteClub, kNeverJoinClub };
    static constexpr int kClubSlots = 5;
    static constexpr int kStartStates = 8; // bits 2 to 4 of the national team flags

    // One entry of the favourite country box: a country number (0 none) and its name (UTF-8).
    struct CountryChoice {
        int number = 0;
        std::string name;
    };

    explicit PlayerHistoryPageModel(const PersonEditContext& context);

    // Binds the page to a person (null: nothing) and fills the values from it.
    void SetPerson(CPlayer* person);
    CPlayer* Person() const { return person_; }
    void Fill();
    // Writes the changed values into the person (nothing without a person).
    void Store();

    // Clubs ----------------------------------------------------------------------------------
    uint32_t ClubReference(ClubSlot slot) const;
    // The club's name, empty for none (the view shows its own "none" text).
    std::string ClubName(ClubSlot slot) const;
    // Opens the club chooser, preset to the club of the slot (or the page's country when there
    // is none), and sets the chosen club into the person at once. False when nothing was
    // chosen (no person, no chooser, or the user cancelled).
    bool ChooseClub(ClubSlot slot);
    // Clears the slot's reference in the person at once.
    void ClearClub(ClubSlot slot);

    // Year joined: 1980 to the current game year.
    static int FirstYearJoined();
    static int LastYearJoined();
    int YearJoined() const { return yearJoined_; }
    void SetYearJoined(int year);
    // Contract end year: the current game year (at most 2015) to 2015.
    static int FirstContractEnd();
    static int LastContractEnd();
    int ContractEnd() const { return contractEnd_; }
    void SetContractEnd(int year);

    // Caps and goals, 0 to 255 each.
    int caps = 0;
    int goals = 0;
    bool inNationalTeam = false;      // national team flags bit 0
    bool refusesNationalTeam = false; // bit 1
    int StartState() const { return startState_; }
    void SetStartState(int state); // 0 to 7
    // Names of the starting states 0 to 7 (UTF-8).
    static std::vector<std::string> StartStateNames();

    ContractDateFields contractStart;
    ContractDateFields contractEndDate;

    // The favourite country box: entry 0 (none), then the countries 1 to 206 by name.
    const std::vector<CountryChoice>& Countries() const { return countries_; }
    int FavouriteCountry() const { return favouriteCountry_; }
    // A number of the list; others are refused.
    void SetFavouriteCountry(int country);

private:
    struct Filled {
        int yearJoined = 0;
        int contractEnd = 0;
        int caps = 0;
        int goals = 0;
        bool inNationalTeam = false;
        bool refusesNationalTeam = false;
        int startState = 0;
        ContractDateFields contractStart;
        ContractDateFields contractEndDate;
        int favouriteCountry = 0;
    };
    Filled Current() const;
    void FillCountries();
    void SetReference(ClubSlot slot, uint32_t reference);

    const PersonEditContext& context_;
    CPlayer* person_ = nullptr;
    int yearJoined_ = 0;
    int contractEnd_ = 0;
    int startState_ = 0;
    int favouriteCountry_ = 0;
    Filled filled_;
    std::vector<CountryChoice> countries_;
};

} // namespace tallo
