#pragma once

#include <array>
#include <string>

#include "world/player.h"

namespace tallo {

// The player details (CDlgPlayerAllRightSmall), the sub-page the main page shows for a
// player: talent (a box of 0 to 4) and the four position ratings (goalkeeper, defence,
// midfield, attack, 0 to 6 each) are edited; the positions, the shirt number, the overall
// rating and the notes are shown.
//
// Store writes only what differs from what Fill found.
class PlayerDetailsPageModel {
public:
    static constexpr int kTalentMax = 4;
    static constexpr int kPositionRatingMax = 6;

    void SetPerson(CPlayer* person);
    CPlayer* Person() const { return person_; }
    void Fill();
    void Store();

    // Values outside the ranges are brought to the nearer end.
    void SetTalent(int value);
    void SetPositionRating(int group, int value);
    int Talent() const { return talent_; }
    int PositionRating(int group) const;

    // The names of the talent values 0 to 4.
    static std::string TalentName(int talent);

    // Shown only: "ST, CF, AM" (main position first, then the others that are set), the shirt
    // number (empty for none), the overall rating with the ratings edited here, the notes.
    std::string PositionsText() const;
    std::string ShirtNumberText() const;
    std::string RatingText() const;
    std::string NotesText() const;

private:
    CPlayer* person_ = nullptr;
    int talent_ = 0;
    std::array<int, CPlayer::kPositionRatingCount> ratings_{};
    int filledTalent_ = 0;
    std::array<int, CPlayer::kPositionRatingCount> filledRatings_{};
};

} // namespace tallo
