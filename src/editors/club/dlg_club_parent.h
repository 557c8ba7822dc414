#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "editing/club/club_editor_model.h"
#include "editors/framework/dialog_b.h"

class QPushButton;

namespace tallo {

class CDlgClub;
class CDlgClubHist;
class CDlgClubStadium;
class CMyTabCtrl;
class ClubPageView;
class DatabaseSession;

// The club editor: a dialog window whose tabs hold the pages of one club (club, badge, kits,
// stadium and facilities, history). The pages edit a working copy: leaving a tab stores its
// page into the copy, entering a tab fills its page from the copy. OK stores the page shown
// and writes the copy back through the database's journal; Cancel (or Escape) drops it.
//
// The frame builds the club, stadium and history pages itself; the badge and kits pages are
// put in with InsertPage (club at 0, badge 1, kits 2, stadium 3, history 4 when all are in).
class CDlgClubParent : public CDialogB {
    Q_OBJECT

public:
    CDlgClubParent(DatabaseSession& session, uint32_t clubId, const ClubEditContext& context,
                   QWidget* parent = nullptr);
    ~CDlgClubParent() override;

    // Puts a page at tab `index` (at the end when out of range). The page becomes a child page;
    // the frame fills it when its tab is entered and stores it when the tab is left and on OK.
    void InsertPage(int index, CDialogB* page, ClubPageView* view, const QString& title);

    ClubEditorModel& Model() { return model_; }
    CMyTabCtrl& Tabs() const { return *tabs_; }
    CDlgClub& ClubPage() const { return *clubPage_; }
    CDlgClubStadium& StadiumPage() const { return *stadiumPage_; }
    CDlgClubHist& HistoryPage() const { return *historyPage_; }
    QPushButton& OkButton() const { return *ok_; }
    QPushButton& CancelButton() const { return *cancel_; }

    // What the last OK did to the database (Unchanged before the first).
    ChangeJournal::Outcome LastOutcome() const { return outcome_; }

    // OK: stores the page shown; when it refused nothing, commits the copy and closes.
    void Confirm();

    bool CanLeaveTabPage(CMyTabCtrl& tabs, int index) override;
    void TabPageShown(CMyTabCtrl& tabs, int index) override;

private:
    struct Page {
        CDialogB* page = nullptr;
        ClubPageView* view = nullptr;
        // What the page refused when it was last stored (null for pages that refuse nothing).
        std::function<const std::vector<std::string>*()> refusals;
    };

    const Page* PageAt(int index) const;
    // Stores the page at `index` into the copy; false (after telling the user) when it refused
    // something.
    bool StorePage(int index);
    void AddOwnPage(CDialogB* page, ClubPageView* view, const QString& title,
                    std::function<const std::vector<std::string>*()> refusals);

    ClubEditorModel model_;
    std::vector<Page> pages_;
    CMyTabCtrl* tabs_ = nullptr;
    CDlgClub* clubPage_ = nullptr;
    CDlgClubStadium* stadiumPage_ = nullptr;
    CDlgClubHist* historyPage_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    ChangeJournal::Outcome outcome_ = ChangeJournal::Outcome::Unchanged;
};

} // namespace tallo
