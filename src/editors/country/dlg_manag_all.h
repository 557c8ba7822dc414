#pragma once

#include <array>
#include <functional>
#include <memory>

#include "editing/country/country_edit_context.h"
#include "editing/player/person_edit_context.h"
#include "editing/staff/person_list_owner.h"
#include "editors/country/country_page_view.h"
#include "editors/framework/dialog_b.h"

class QPushButton;

namespace tallo {

class CDlgLandManagerList;
class CMyTabCtrl;
class PersonListModel;
class PersonPageView;
class WorldChanges;

// The country's staff container (CDlgManagAll), a page of the country settings editor: on the
// left a tab control with the country's person list (its additional managers), on the right a
// tab control with the pages that edit the selected person: preferences, look and abilities.
// A newly selected person goes to the page of the current right tab; before the right tab
// changes (and before the list changes or the country page is left) that page stores its
// person. The list's commands edit the country in place within the editor's open change.
class CDlgManagAll : public CDialogB, public CountryPageView, public IPersonListOwner {
    Q_OBJECT

public:
    enum RightPage { kPreferences = 0, kLook = 1, kAbilities = 2, kRightPages = 3 };

    CDlgManagAll(QWidget* parent, const CountryEditContext& context);
    ~CDlgManagAll() override;

    // CountryPageView.
    void FillCountry() override;
    void StoreCountry() override;

    // IPersonListOwner: the page of the current right tab follows the list's selection.
    void StoreCurrentPerson() override;
    void ShowPerson(uint32_t personId) override;
    void PersonSelectedByUser() override;

    bool CanLeaveTabPage(CMyTabCtrl& tabs, int index) override;
    void TabPageShown(CMyTabCtrl& tabs, int index) override;

    PersonListModel& ListModel() const { return *listModel_; }
    CDlgLandManagerList& ListPage() const { return *listPage_; }
    CMyTabCtrl& LeftTabs() const { return *leftTabs_; }
    CMyTabCtrl& RightTabs() const { return *rightTabs_; }
    QWidget& RightPageWidget(int page) const {
        return *rightWidgets_.at(static_cast<size_t>(page));
    }
    PersonPageView& RightPageView(int page) const {
        return *rightViews_.at(static_cast<size_t>(page));
    }
    QPushButton& DoublesButton() const { return *doubles_; }
    QPushButton& SearchButton() const { return *search_; }
    // The person the right pages edit (0 for none).
    uint32_t ShownPerson() const { return shownPerson_; }

public slots:
    // The player doubles of the whole world (1709) and the player search loop (1517); their
    // changes join the editor's change, and the list is filled again afterwards.
    void OpenDoubles();
    void OpenSearch();

private:
    class StandaloneChange;

    PersonPageView* CurrentRightView() const;
    // The change the list and the assistants edit in.
    ChangeJournal::OpenChange& Change() const;
    void RunAssistant(const std::function<void(const WorldChanges&)>& assistant);

    CountryEditContext context_;
    PersonEditContext personContext_;
    // The change the list edits in: the editor's, or (a page on its own) one of this page.
    std::unique_ptr<StandaloneChange> standalone_;
    std::unique_ptr<PersonListModel> listModel_;
    CMyTabCtrl* leftTabs_ = nullptr;
    CMyTabCtrl* rightTabs_ = nullptr;
    CDlgLandManagerList* listPage_ = nullptr;
    std::array<QWidget*, kRightPages> rightWidgets_{};
    std::array<PersonPageView*, kRightPages> rightViews_{};
    QPushButton* doubles_ = nullptr;
    QPushButton* search_ = nullptr;
    uint32_t shownPerson_ = 0;
    bool built_ = false;
};

} // namespace tallo
