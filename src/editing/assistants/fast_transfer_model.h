#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tallo {

class CClub;
class CWorld;
class WorldChanges;

// The fast transfer: one player of a country's clubs moves to a club of any country with a new
// shirt number. The model holds the lists the dialog shows and the choices made in them; the
// transfer itself goes through WorldChanges as one change of both countries.
class FastTransferModel {
public:
    // One entry of a list: its text (record text) and what it stands for (a country number, a
    // player ID or a club key).
    struct Item {
        std::string text;
        uint32_t data = 0;
    };

    // `country` is the source and the target country at the start (1 to 206; another number
    // starts on country 1).
    FastTransferModel(CWorld& world, int languageSlot, int country);

    // Every country 1 to 206 by name.
    const std::vector<Item>& SourceCountries() const { return sourceCountries_; }
    int SourceCountry() const { return sourceCountry_; }
    // Chooses the source country and lists its players again; the chosen player is forgotten.
    void SetSourceCountry(int country);

    // The players of the source country's clubs (national team and placeholder clubs left
    // out): "full name (club name)<tab>position", data the player ID.
    const std::vector<Item>& Players() const { return players_; }
    uint32_t ChosenPlayer() const { return player_; }
    void ChoosePlayer(uint32_t id);
    // The chosen player's shirt number, empty when no record has the chosen ID.
    std::string CurrentNumberText() const;

    // The countries whose club count (national team included) is not exactly 1.
    const std::vector<Item>& TargetCountries() const { return targetCountries_; }
    int TargetCountry() const { return targetCountry_; }
    // Lists the country's clubs; no target club is chosen then and no number is offered.
    void SetTargetCountry(int country);

    // The target country's clubs (national team and placeholder clubs left out), data the key.
    const std::vector<Item>& Clubs() const { return clubs_; }
    uint32_t TargetClub() const { return targetClub_; }
    // Chooses the target club and offers its free numbers, the first of them chosen.
    void ChooseTargetClub(uint32_t key);

    // The numbers 1 to 99 no first-team member of the target club wears.
    const std::vector<int>& Numbers() const { return numbers_; }
    int ChosenNumber() const { return number_; }
    void ChooseNumber(int number) { number_ = number; }

    // Whether the transfer button would act: a target club of a country, a player and a
    // number chosen, and the target club exists.
    bool CanTransfer() const;
    // The transfer: the player leaves the club of the source country listing him, joins the
    // target club with the chosen number, the old club becomes his previous club, and his year
    // joined and contract end become the current game year. Nothing happens for a player no
    // club of the source country lists, a target club that is his own club or one that cannot
    // take another player. After a move the chosen player and number are forgotten and the
    // lists of players and numbers made again. True when the player moved.
    bool Transfer(const WorldChanges& changes);

private:
    void FillPlayers();
    void FillClubs();
    void FillNumbers();
    CClub* SourceClubOf(uint32_t player) const;

    CWorld& world_;
    int languageSlot_;
    int sourceCountry_ = 1;
    int targetCountry_ = 1;
    uint32_t player_ = 0;
    uint32_t targetClub_ = 0;
    int number_ = 0;
    std::vector<Item> sourceCountries_;
    std::vector<Item> targetCountries_;
    std::vector<Item> players_;
    std::vector<Item> clubs_;
    std::vector<int> numbers_;
};

} // namespace tallo
