#pragma once

#include <array>
#include <string>

#include "world/player.h"

namespace tallo {

// The character page (CDlgPlayerCharacter): the nine character traits, each an index into its
// value list (0 to 2 for consistency, fairness and image, 0 to 3 for the others), and the
// notes of several lines.
//
// The notes are edited with "\n" line ends and kept in the record with CR LF. Store writes only
// what differs from what Fill found. The page's hint (at most two traits other than normal) is
// advice: the page counts such traits but stores any choice.
class PlayerCharacterPageModel {
public:
    void SetPerson(CPlayer* person);
    CPlayer* Person() const { return person_; }
    void Fill();
    void Store();

    // Brought into the trait's range.
    void SetTrait(int trait, int value);
    int Trait(int trait) const;
    // The highest value of a trait (2 or 3).
    static int TraitMaximum(int trait);
    // The name of a trait's value (string-table lists of the traits); of the current value
    // without one.
    static std::string TraitValueName(int trait, int value);
    std::string TraitValueName(int trait) const { return TraitValueName(trait, Trait(trait)); }
    // The name of a trait itself (leadership, attitude, ...).
    static std::string TraitName(int trait);
    // Traits whose value is not the normal one.
    int UnusualTraits() const;

    // The notes (record text) with "\n" line ends.
    const std::string& Notes() const { return notes_; }
    void SetNotes(std::string text);

    // Record notes (CR LF, or a lone LF or CR) to the edit's "\n" ends, and back to CR LF.
    static std::string NotesForEdit(const std::string& record);
    static std::string NotesForRecord(const std::string& edited);

private:
    CPlayer* person_ = nullptr;
    std::array<int, CPlayer::kTraitCount> traits_{};
    std::string notes_;
    std::array<int, CPlayer::kTraitCount> filledTraits_{};
    std::string filledNotes_;
};

} // namespace tallo
