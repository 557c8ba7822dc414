#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tallo {

class CCountry;
class CDBCup;

// The cup and discipline page of the country settings editor (CDlgLandCup): the three cups
// (national cup, league cup, super cup) with their format, names and round bonuses, the
// yellow-card schedules, the bans, the cup entrants and flags, winter break and indoor
// tournaments.
//
// Fill reads the country; Store writes back what the controls hold. A control left as Fill set
// it writes nothing, so the bits of a field that no control shows (and values no list offers)
// stay as they are. A cup whose format changed gets a new competition node, which takes over
// the round values (the bonuses among them) of the node it replaces.
class CupPageModel {
public:
    enum Cup { kNationalCup, kLeagueCup, kSuperCup };
    static constexpr int kCupCount = 3;
    // Bonus edits: rounds one to five, quarter-final, semi-final, final; edit r shows the bonus
    // (round value 0) of round slot r.
    static constexpr int kBonusRounds = 8;
    static constexpr int kBonusValueIndex = 0;
    static constexpr size_t kBonusLength = 10;
    // A node's name keeps 28 characters through a save and load, so the edit takes no more.
    static constexpr size_t kNameLength = 28;
    static constexpr size_t kConsoleNameLength = 16;
    // The league cup mode's flag: all leagues take part.
    static constexpr uint32_t kAllLeaguesFlag = 0x10000;
    static constexpr int kLeagueLevels = 5;
    static constexpr int kBanScopes = 3;

    // An entry of a list: its string-table text and the value it stands for.
    struct Item {
        int text = 0;
        uint32_t value = 0;
    };
    // The format lists of the three cups, in list order.
    static const std::vector<Item>& ModeItems(Cup cup);
    // The league cup's all-leagues entry.
    static constexpr int kAllLeaguesItem = 2;
    // The six yellow-card schedules (values 0 to 5).
    static const std::vector<Item>& CardScheduleItems();
    static const std::vector<Item>& BanStartItems();
    // The competition kind of a cup's node (number 0): FA_CUP, LE_CUP, SUPERCUP.
    static uint32_t CupKind(Cup cup);
    // The label of a bonus edit, in the interface language.
    static const std::string& BonusLabel(int round);
    // The cup's node in the country (number 0 of its kind), or nullptr.
    static CDBCup* FindCup(CCountry& country, Cup cup);
    static const CDBCup* FindCup(const CCountry& country, Cup cup);
    // Whether the country's five league levels hold one league each, at league numbers 0-4:
    // only then may all leagues play the league cup.
    static bool OneLeaguePerLevel(const CCountry& country);

    struct CupValues {
        int mode = -1;                                 // the selected format entry, -1 for none
        std::string name;                              // record text
        std::string consoleName;                       // record text
        std::array<std::string, kBonusRounds> bonuses; // as typed
    };

    void Fill(const CCountry& country);
    // Writes the controls into the country and its cup nodes. Returns the labels of the
    // fields refused (a bonus that is no number); those keep their old value.
    std::vector<std::string> Store(CCountry& country) const;

    // Whether an entry of a cup's format list may be chosen: all but the league cup's
    // all-leagues entry, which needs one league per level.
    bool ItemSelectable(Cup cup, int item) const;
    // The value of the cup's selected format (its scheme in the low 16 bits); 0 for none.
    uint32_t SelectedMode(Cup cup) const;
    // Whether the cup's names can be edited: its selected format makes a cup.
    bool CupEditable(Cup cup) const { return (SelectedMode(cup) & 0xFFFFu) != 0; }
    // Whether a bonus edit stands for a round the cup's selected format plays (a format of r
    // rounds plays the last r slots). Other rounds are not saved with the cup.
    bool BonusRoundUsed(Cup cup, int round) const;
    // The indoor tournaments box may be ticked only beside a winter break.
    bool IndoorEnabled() const { return winterBreak; }

    // Values the view binds -----------------------------------------------------------------
    std::array<CupValues, kCupCount> cups;
    // The cup whose bonuses the eight edits show.
    Cup bonusCup = kNationalCup;
    int leagueCards = -1; // schedule entry, -1 none
    int cupCards = -1;
    bool leagueYellowAfterRed = false;
    bool cupYellowAfterRed = false;
    int banStart = -1; // entry, -1 none
    std::array<bool, kBanScopes> banInAllCompetitions{};
    bool variableRedCardBan = false;
    std::array<bool, kLeagueLevels> cupEntryLevels{};
    bool lowerLeagueAtHome = false;
    bool oneClubPerCompetition = false;
    bool winterBreak = false;
    bool indoorTournaments = false;

private:
    void StoreCup(CCountry& country, Cup cup, std::vector<std::string>& refused) const;
    int FindItem(Cup cup, uint32_t mode, bool allLeagues) const;

    bool oneLeaguePerLevel_ = false;
    // The format entries Fill selected: an entry left as it was keeps the mode as it was.
    std::array<int, kCupCount> filledModes_{-1, -1, -1};
    // The bonus texts Fill showed.
    std::array<std::array<std::string, kBonusRounds>, kCupCount> filledBonuses_;
};

} // namespace tallo
