#include "editors/club/dlg_club_parent.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "editors/club/club_view_support.h"
#include "editors/club/dlg_club.h"
#include "editors/club/dlg_club_hist.h"
#include "editors/club/dlg_club_stadium.h"
#include "editors/framework/frame_keys.h"
#include "editors/framework/my_tab_ctrl.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"

namespace tallo {

CDlgClubParent::CDlgClubParent(DatabaseSession& session, uint32_t clubId,
                               const ClubEditContext& context, QWidget* parent)
    : CDialogB(parent), model_(session, clubId, context) {
    setWindowTitle(ToQString(
        FormatDialogText("club.frame.title", FromQString(RecordToQString(model_.Name())).c_str())));
    setSizeGripEnabled(true);
    resize(940, 640);

    tabs_ = new CMyTabCtrl(this);
    ok_ = new QPushButton(ToQString(DialogText("club.button.ok")), this);
    cancel_ = new QPushButton(ToQString(DialogText("club.button.cancel")), this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &CDlgClubParent::Confirm);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addLayout(buttons);

    InstallFrameKeys(
        *this, *ok_, [this] { Confirm(); }, [this] { reject(); });

    const ClubEditContext& pageContext = model_.Context();
    clubPage_ = new CDlgClub(pageContext, tabs_);
    stadiumPage_ = new CDlgClubStadium(pageContext, tabs_);
    historyPage_ = new CDlgClubHist(pageContext, tabs_);
    AddOwnPage(clubPage_, clubPage_, ToQString(DialogText("club.tab.club")),
               [this] { return &clubPage_->LastRefusals(); });
    AddOwnPage(stadiumPage_, stadiumPage_, ToQString(DialogText("club.tab.stadium")),
               [this] { return &stadiumPage_->LastRefusals(); });
    AddOwnPage(historyPage_, historyPage_, ToQString(DialogText("club.tab.history")),
               [this] { return &historyPage_->LastRefusals(); });
    if (!model_.IsValid()) {
        tabs_->setEnabled(false);
        ok_->setEnabled(false);
    }
}

CDlgClubParent::~CDlgClubParent() = default;

void CDlgClubParent::AddOwnPage(CDialogB* page, ClubPageView* view, const QString& title,
                                std::function<const std::vector<std::string>*()> refusals) {
    pages_.push_back({page, view, std::move(refusals)});
    tabs_->AddPage(page, title);
}

void CDlgClubParent::InsertPage(int index, CDialogB* page, ClubPageView* view,
                                const QString& title) {
    if (page == nullptr || view == nullptr) {
        return;
    }
    pages_.push_back({page, view, nullptr});
    page->setParent(tabs_);
    page->MakeChildPage();
    const bool first = tabs_->count() == 0;
    tabs_->insertTab(index < 0 || index > tabs_->count() ? tabs_->count() : index, page, title);
    if (!first && tabs_->currentWidget() != page) {
        page->setEnabled(false); // as every page that is not shown
    }
}

const CDlgClubParent::Page* CDlgClubParent::PageAt(int index) const {
    QWidget* widget = tabs_->widget(index);
    for (const Page& page : pages_) {
        if (page.page == widget) {
            return &page;
        }
    }
    return nullptr;
}

bool CDlgClubParent::StorePage(int index) {
    const Page* page = PageAt(index);
    if (page == nullptr || !model_.IsValid()) {
        return true;
    }
    page->view->StoreInto(model_.Working());
    const std::vector<std::string>* refused = page->refusals ? page->refusals() : nullptr;
    if (refused != nullptr && !refused->empty()) {
        ShowRefusals(this, model_.Context(), *refused);
        return false;
    }
    return true;
}

bool CDlgClubParent::CanLeaveTabPage(CMyTabCtrl& tabs, int index) {
    return &tabs != tabs_ || StorePage(index);
}

void CDlgClubParent::TabPageShown(CMyTabCtrl& tabs, int index) {
    if (&tabs != tabs_ || !model_.IsValid()) {
        return;
    }
    if (const Page* page = PageAt(index)) {
        page->view->FillFrom(model_.Working());
    }
}

void CDlgClubParent::Confirm() {
    if (!model_.IsValid()) {
        reject();
        return;
    }
    if (!StorePage(tabs_->ShownIndex())) {
        return;
    }
    outcome_ = model_.Commit();
    accept();
}

} // namespace tallo
