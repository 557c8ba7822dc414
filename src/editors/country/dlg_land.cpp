#include "editors/country/dlg_land.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "editing/country/country_editor_model.h"
#include "editors/country/country_page_view.h"
#include "editors/framework/frame_keys.h"
#include "editors/framework/my_tab_ctrl.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"

namespace tallo {

CDlgLand::CDlgLand(CountryEditorModel& model, QWidget* parent) : CDialogB(parent), model_(model) {
    setWindowTitle(ToQString(FormatDialogText(
        "country.frame.title", FromQString(RecordToQString(model_.CountryName())).c_str())));
    setSizeGripEnabled(true);
    resize(980, 680);

    tabs_ = new CMyTabCtrl(this);
    tabs_->setUsesScrollButtons(true);
    ok_ = new QPushButton(ToQString(DialogText("country.button.ok")), this);
    cancel_ = new QPushButton(ToQString(DialogText("country.button.cancel")), this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &CDlgLand::Confirm);
    connect(cancel_, &QPushButton::clicked, this, &CDlgLand::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addLayout(buttons);

    InstallFrameKeys(
        *this, *ok_, [this] { Confirm(); }, [this] { reject(); });

    if (!model_.IsValid()) {
        tabs_->setEnabled(false);
        ok_->setEnabled(false);
    }
}

CDlgLand::~CDlgLand() = default;

void CDlgLand::AddPage(CDialogB* page, CountryPageView* view, const QString& title) {
    if (page == nullptr || view == nullptr) {
        return;
    }
    pages_.push_back({page, view});
    tabs_->AddPage(page, title);
}

CDialogB* CDlgLand::PageAt(int index) const {
    QWidget* widget = tabs_->widget(index);
    for (const Page& page : pages_) {
        if (page.page == widget) {
            return page.page;
        }
    }
    return nullptr;
}

CountryPageView* CDlgLand::ViewAt(int index) const {
    QWidget* widget = tabs_->widget(index);
    for (const Page& page : pages_) {
        if (page.page == widget) {
            return page.view;
        }
    }
    return nullptr;
}

bool CDlgLand::CanLeaveTabPage(CMyTabCtrl& tabs, int index) {
    if (&tabs == tabs_ && model_.IsOpen()) {
        if (CountryPageView* view = ViewAt(index)) {
            view->StoreCountry();
        }
    }
    return true;
}

void CDlgLand::TabPageShown(CMyTabCtrl& tabs, int index) {
    if (&tabs != tabs_ || !model_.IsOpen()) {
        return;
    }
    if (CountryPageView* view = ViewAt(index)) {
        view->FillCountry();
    }
}

void CDlgLand::Confirm() {
    if (!model_.IsOpen()) {
        CDialogB::reject();
        return;
    }
    if (CountryPageView* view = ViewAt(tabs_->ShownIndex())) {
        view->StoreCountry();
    }
    model_.Confirm();
    accept();
}

void CDlgLand::reject() {
    model_.Abandon();
    CDialogB::reject();
}

} // namespace tallo
