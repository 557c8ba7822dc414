#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "editing/journal/change_journal.h"

namespace tallo {

class CPlayer;
class CWorld;

// A country's national team as the records hold it: the national team's club record (its
// names), the country's national coach, and the players the team may call on. Those are the
// players (role 0) of every club of the world whose first nationality is the country; the
// second nationality does not count, as the game picks a national team by the first one. A
// player is called up when his national team flags hold the "in the national team" bit; the
// "refuses" bit is shown and keeps him from being called up.
//
// The candidates are collected once per country by one walk over the clubs of the world and
// kept sorted (rating descending, then name). Calling up and leaving out touch that one bit
// only, in place; before a player's record is first changed, the country of the club listing
// him is included in the open change (when there is one).
class NationalTeamModel {
public:
    struct Row {
        uint32_t person = 0;
        uint32_t club = 0;    // the club listing the player
        std::string name;     // record text
        std::string clubName; // record text
        std::string position; // UTF-8 short name of the main position
        int age = 0;
        float rating = 0.0f;
        int caps = 0;
        int goals = 0;
        bool calledUp = false;
        bool refuses = false;
    };

    // `change` may be null (a page on its own: changes are made without being kept).
    NationalTeamModel(CWorld& world, int languageSlot, ChangeJournal::OpenChange* change);

    void SetChange(ChangeJournal::OpenChange* change) { change_ = change; }

    // Collects the country's candidates (one walk over the world's clubs). A number that is no
    // country leaves the lists empty.
    void SetCountry(int country);
    // Collects the candidates of the current country again (after the world changed).
    void Refresh() { SetCountry(country_); }
    int Country() const { return country_; }
    bool HasCountry() const { return valid_; }

    // The national team's name and short name in the language slot (record text); empty when
    // the country has no national team.
    std::string TeamName() const;
    std::string TeamShortName() const;
    // The national coach's display name ("Surname, F."; the nickname when both are empty).
    std::string CoachName() const;

    // The called-up players and the others, each sorted by rating descending.
    const std::vector<Row>& CalledUp() const { return called_; }
    const std::vector<Row>& Others() const { return others_; }
    int CandidateCount() const { return static_cast<int>(called_.size() + others_.size()); }
    int CalledUpCount() const { return static_cast<int>(called_.size()); }
    int RefusingCount() const;
    // Average rating of the called-up players ("%2.1f"; 0 when there are none).
    float CalledUpAverage() const;

    // Whether the player is a candidate who is not called up and does not refuse.
    bool CanCallUp(uint32_t person) const;
    // Whether the player is a called-up candidate.
    bool CanLeaveOut(uint32_t person) const;
    // Sets or clears the "in the national team" bit; true when the record changed.
    bool CallUp(uint32_t person);
    bool LeaveOut(uint32_t person);
    // Several at once; the number of records changed.
    int CallUp(const std::vector<uint32_t>& persons);
    int LeaveOut(const std::vector<uint32_t>& persons);

    // Whether any player's flags differ from what they were when this model first saw him.
    bool Changed() const;

private:
    const Row* FindRow(uint32_t person) const;
    bool SetCalledUp(uint32_t person, bool called);
    void Sort();

    CWorld& world_;
    int languageSlot_;
    ChangeJournal::OpenChange* change_;
    int country_ = 0;
    bool valid_ = false;
    std::vector<Row> called_;
    std::vector<Row> others_;
    // The flags of every player changed through this model, as they were before the first change.
    std::unordered_map<uint32_t, uint8_t> originalFlags_;
};

} // namespace tallo
