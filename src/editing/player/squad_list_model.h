#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "editing/journal/change_journal.h"
#include "editing/staff/person_list_model.h"
#include "world/player.h"

namespace tallo {

class CClub;
class DatabaseSession;
class IPersonListOwner;
class IRecordChoosers;

// The squad list (CDlgPlayerlistClub): a club's persons in three tabs (first team, reserves,
// board), each a person list, edited in place. The whole dialog is one change of the database:
// the club's country is kept at once, and every other part before a command first touches it;
// Confirm commits it (when the club's checks pass), Abandon puts everything back, so the
// squad is exactly what it was.
class SquadListModel {
public:
    static constexpr int kTabCount = 3;

    SquadListModel(DatabaseSession& session, uint32_t clubId, IRecordChoosers* choosers);
    ~SquadListModel(); // abandons an open change
    SquadListModel(const SquadListModel&) = delete;
    SquadListModel& operator=(const SquadListModel&) = delete;

    // False when the club does not exist (the dialog then shows nothing and changes nothing).
    bool IsValid() const { return club_ != nullptr; }
    CClub* Club() const { return club_; }
    uint32_t ClubId() const { return clubId_; }
    CWorld& World() const { return world_; }
    // The club's name in a language slot (record text).
    std::string ClubName(int languageSlot) const;

    // The tabs: string-table entries 589, 590, 591; each tab's list in the mode of its index.
    static std::string TabText(int tab);
    PersonListModel& List(int tab) { return *lists_[static_cast<size_t>(ClampTab(tab))]; }
    int CurrentTab() const { return currentTab_; }
    PersonListModel& CurrentList() { return List(currentTab_); }
    // Shows a tab: the owner stores its person, the tab's list is filled again (the other tabs'
    // commands may have changed the club) and its first row is selected when none was.
    void SelectTab(int tab);

    // Every list tells this owner; null: none.
    void SetOwner(IPersonListOwner* owner);

    // The string-table messages of the club's faults, squad faults first (674, 579, 580, 581,
    // 582, 583), then the completeness faults (766 to 773); empty when the squad is valid.
    std::vector<int> FaultMessages() const;
    // OK: the owner stores its person; with no fault the change is committed (or, when
    // nothing differs from before, dropped) and the result is true; with faults nothing
    // happens and the result is false (FaultMessages lists them).
    bool Confirm();
    // "Never mind" and cancel: every change of the dialog is put back.
    void Abandon();
    // The change is still open (neither confirmed nor abandoned).
    bool IsOpen() const { return change_ != nullptr && change_->IsOpen(); }
    // Whether the confirmed dialog changed the database (a journal entry was recorded).
    bool Changed() const { return changed_; }

    // The club and person choosers the dialog was given (may be null).
    IRecordChoosers* Choosers() const { return choosers_; }
    // The dialog's open change, which the assistants opened from it join (null once closed).
    ChangeJournal::OpenChange* OpenChange() const { return IsOpen() ? change_.get() : nullptr; }
    // An assistant changed the database (perhaps other clubs only): OK then records the
    // change even when the club's squad is as it was, and cancel puts that back too.
    void NoteOutsideChange() { outsideChange_ = true; }

private:
    static int ClampTab(int tab);
    bool DiffersFromStart() const;

    CWorld& world_;
    uint32_t clubId_;
    IRecordChoosers* choosers_;
    CClub* club_ = nullptr;
    std::unique_ptr<ChangeJournal::OpenChange> change_;
    std::array<std::unique_ptr<PersonListModel>, kTabCount> lists_;
    IPersonListOwner* owner_ = nullptr;
    int currentTab_ = 0;
    bool changed_ = false;
    bool outsideChange_ = false;
    // What the club listed when the dialog started, to tell whether OK changes anything.
    std::vector<CPlayer> startPersons_;
    std::vector<uint32_t> startIds_;
};

} // namespace tallo
