#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "editing/journal/change_journal.h"

namespace tallo {

class CClub;
class CCountry;
class CPlayer;
class CWorld;
class IPersonListOwner;
class IRecordChoosers;

// The person list page (CDlgManagerList, and its country twin): the persons of a club that fit
// the page's mode, a country's additional managers, or the persons of every club of a
// competition; the selected person, whom the owner page edits; the counts shown; and the
// context menu's commands that create, delete, transfer and take persons.
//
// The page edits the world in place. Every command includes what it is about to touch in the
// open change it is given (the country of each club it changes, the country of the managers
// list), so that the dialog around it can commit the whole of its work as one change or put it
// all back.
class PersonListModel {
public:
    enum Mode { kFirstTeam = 0, kReserves = 1, kBoard = 2 };
    enum class Source { Club, Country, Competition };

    static constexpr int kDefaultChooserCountry = 21;

    struct Row {
        uint32_t person = 0;
        uint32_t club = 0; // the club listing the person (0 in the country list)
        std::string text;  // record text, tab-separated columns
        float rating = 0.0f;
    };

    struct MenuItem {
        int command = 0;  // 0: a separator
        std::string text; // UTF-8
        bool enabled = false;
        bool staff = false; // belongs into the staff submenu
    };

    // `owner` and `choosers` may be nullptr (nobody told; transfer and take do nothing).
    PersonListModel(CWorld& world, ChangeJournal::OpenChange& change, IPersonListOwner* owner,
                    IRecordChoosers* choosers);

    void SetOwner(IPersonListOwner* owner) { owner_ = owner; }
    void SetChoosers(IRecordChoosers* choosers) { choosers_ = choosers; }

    // Set-up; each is followed by FillPersonList.
    // The persons of a club that fit `mode`; the choosers are preset to the club's country.
    void SetUpList(uint32_t clubId, uint32_t selectedPerson, int mode);
    // The additional managers of a country.
    void SetUpCountryList(int country, uint32_t selectedPerson);
    // The persons of the clubs `clubReferences` (a competition's teams) that fit `mode`.
    void SetUpCompetitionList(const std::vector<uint32_t>& clubReferences, int chooserCountry,
                              uint32_t selectedPerson, int mode);

    Source GetSource() const { return source_; }
    int GetMode() const { return mode_; }
    int ChooserCountry() const { return chooserCountry_; }
    uint32_t ClubId() const { return clubId_; }
    int CountryNumber() const { return country_; }

    // Lists the persons again, selects the selected person's row (else the previous row index,
    // bounded to the last row), makes that row's person the selected one and tells the owner.
    void FillPersonList();

    const std::vector<Row>& Rows() const { return rows_; }
    int SelectedRow() const { return selectedRow_; }
    uint32_t SelectedPerson() const { return selectedPerson_; }
    // Number of rows and the average rating of their persons ("%d", "%2.1f").
    int Count() const { return static_cast<int>(rows_.size()); }
    float Average() const;
    std::string CountText() const;
    std::string AverageText() const;

    // The user selected a row (-1 none).
    void SelectRow(int row);

    // The context menu, in order (role commands for the list's kind, then transfer, take and
    // delete), each enabled or greyed.
    std::vector<MenuItem> ContextMenu() const;
    bool IsCommandEnabled(int command) const;
    // Runs a command of the context menu; true when the world changed.
    bool RunCommand(int command);

    // The commands themselves; each gives true when the world changed.
    bool CreatePerson(uint8_t role);
    bool DeleteSelected();
    bool TransferSelected();
    bool TakePerson();

    // Persons of a role that a club lists.
    static int CountRole(const CWorld& world, const CClub& club, uint8_t role);

private:
    bool Fits(const CPlayer& person) const;
    void AddRowsOf(const CClub& club);
    // The club new persons go to and whose role limits count: the list's club, or in a
    // competition list the selected person's club.
    CClub* TargetClub() const;
    CClub* FindClub(uint32_t id) const;
    const Row* SelectedRowData() const;
    void IncludeClubCountry(uint32_t clubId);
    void StoreOwner();
    void TellOwner();

    CWorld& world_;
    ChangeJournal::OpenChange& change_;
    IPersonListOwner* owner_;
    IRecordChoosers* choosers_;

    Source source_ = Source::Club;
    int mode_ = kFirstTeam;
    uint32_t clubId_ = 0;
    int country_ = 0;
    std::vector<uint32_t> competitionClubs_;
    int chooserCountry_ = kDefaultChooserCountry;

    std::vector<Row> rows_;
    int selectedRow_ = -1;
    uint32_t selectedPerson_ = 0;
};

} // namespace tallo
