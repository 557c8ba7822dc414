#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

#include "editing/player/person_edit_context.h"
#include "editors/framework/dialog_b.h"
#include "editors/player/person_page_view.h"

namespace tallo {

class CDlgPlayerAbilities;
class CDlgPlayerAllRight;
class CDlgPlayerCharacter;
class CDlgPlayerPositionEngland;
class CMyTabCtrl;

// The pages of one person in a tab control, chosen by the person's role: for a player the main
// page, positions, abilities and character; for the other roles the main page; and whatever
// pages the host adds. Only the page of the current tab holds the person: it is stored before
// its tab is left, and the page of the new tab gets the person.
class CPersonEditor : public CDialogB, public PersonPageView {
    Q_OBJECT

public:
    CPersonEditor(QWidget* parent, const PersonEditContext& context);

    // Gives the person to the page of the current tab (null: the page is emptied and
    // disabled); the tabs shown follow the person's role.
    void SetPerson(CPlayer* person) override;
    // Stores the page of the current tab into the person.
    void StorePerson() override;
    CPlayer* Person() const { return person_; }

    // Adds a page, shown for persons whose role `shownFor` accepts; the page becomes a child of
    // the editor.
    void AddPage(CDialogB* page, PersonPageView* view, const QString& title,
                 std::function<bool(uint8_t role)> shownFor);

    CMyTabCtrl& Tabs() const { return *tabs_; }
    CDlgPlayerAllRight& MainPage() const { return *main_; }
    CDlgPlayerPositionEngland& PositionsPage() const { return *positions_; }
    CDlgPlayerAbilities& AbilitiesPage() const { return *abilities_; }
    CDlgPlayerCharacter& CharacterPage() const { return *character_; }
    // The page of the current tab (null when no page is shown).
    PersonPageView* CurrentView() const;

    bool CanLeaveTabPage(CMyTabCtrl& tabs, int index) override;
    void TabPageShown(CMyTabCtrl& tabs, int index) override;

private:
    struct Page {
        CDialogB* page = nullptr;
        PersonPageView* view = nullptr;
        QString title;
        std::function<bool(uint8_t role)> shownFor;
    };

    // Puts into the tab control the pages for a role (nothing changes when they are there).
    void ShowPagesFor(uint8_t role);
    const Page* PageAt(int tabIndex) const;

    PersonEditContext context_;
    CMyTabCtrl* tabs_;
    CDlgPlayerAllRight* main_;
    CDlgPlayerPositionEngland* positions_;
    CDlgPlayerAbilities* abilities_;
    CDlgPlayerCharacter* character_;
    std::vector<Page> pages_;
    // Indexes into pages_ of the tabs shown, in tab order.
    std::vector<size_t> shown_;
    CPlayer* person_ = nullptr;
    // The view that holds the person now.
    PersonPageView* holder_ = nullptr;
    bool rebuilding_ = false;
};

} // namespace tallo
