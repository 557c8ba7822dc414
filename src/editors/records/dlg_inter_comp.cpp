#include "editors/records/dlg_inter_comp.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <string>

#include "editing/records/continental_settings_edit.h"
#include "editing/session/database_session.h"
#include "editors/framework/dlg_error_single.h"
#include "editors/framework/frame_keys.h"
#include "editors/framework/my_tab_ctrl.h"
#include "editors/framework/qt_text.h"
#include "editors/records/dlg_inter_comp_europe.h"
#include "editors/records/dlg_inter_comp_south_america.h"
#include "formats/dialog_text.h"
#include "world/world.h"

namespace tallo {

namespace {

// The name of a language slot as the main window's language box shows it.
QString LanguageName(int slot) {
    static constexpr int kLanguageNames[] = {675, 676, 677, 678};
    return slot >= 0 && slot < 4 ? NumberedText(kLanguageNames[slot]) : QString::number(slot + 1);
}

} // namespace

CDlgInterComp::CDlgInterComp(ContinentalSettingsEdit& edit, IRecordChoosers* choosers,
                             int presetCountry, QWidget* parent)
    : CDialogB(parent), edit_(edit) {
    setWindowTitle(ToQString(FormatDialogText(
        "intercomp.title", FromQString(LanguageName(edit_.Model().LanguageSlot())).c_str())));
    setSizeGripEnabled(true);
    resize(720, 440);

    tabs_ = new CMyTabCtrl(this);
    europe_ = new CDlgInterCompEurope(tabs_, edit_.Model(), choosers, presetCountry);
    southAmerica_ = new CDlgInterCompSouthAmerica(tabs_, edit_.Model(), choosers, presetCountry);
    tabs_->AddPage(europe_, ToQString(DialogText("intercomp.tab.europe")));
    tabs_->AddPage(southAmerica_, ToQString(DialogText("intercomp.tab.south_america")));
    europe_->RankingButton().setEnabled(edit_.HasRanking());
    connect(europe_, &CDlgInterCompEurope::RankingRequested, this, [this] { edit_.OpenRanking(); });

    ok_ = new QPushButton(ToQString(DialogText("intercomp.ok")), this);
    cancel_ = new QPushButton(ToQString(DialogText("intercomp.cancel")), this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &CDlgInterComp::Confirm);
    connect(cancel_, &QPushButton::clicked, this, &CDlgInterComp::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addLayout(buttons);

    InstallFrameKeys(
        *this, *ok_, [this] { Confirm(); }, [this] { reject(); });
    if (!edit_.IsOpen()) {
        ok_->setEnabled(false);
    }
}

void CDlgInterComp::TabPageShown(CMyTabCtrl& tabs, int) {
    if (&tabs == tabs_) {
        europe_->ShowValues();
        southAmerica_->ShowValues();
    }
}

void CDlgInterComp::Confirm() {
    const auto problems = edit_.Problems();
    if (!problems.empty()) {
        std::string message;
        for (const std::string& line : problems) {
            message += line + "\n";
        }
        CDlgErrorSingle window(this);
        window.SetHeadline(ToQString(DialogText("intercomp.refused.title")));
        window.SetMessage(ToQString(message));
        window.exec();
        return;
    }
    edit_.Confirm();
    accept();
}

void CDlgInterComp::reject() {
    edit_.Abandon();
    CDialogB::reject();
}

bool RunContinentalSettings(QWidget* owner, DatabaseSession& session, int languageSlot,
                            IRecordChoosers* choosers,
                            std::function<void(ChangeJournal::OpenChange&)> openRanking) {
    ContinentalSettingsEdit edit(session, languageSlot, std::move(openRanking));
    CDlgInterComp dialog(edit, choosers, session.World().selectedCountry, owner);
    dialog.exec();
    return edit.Changed();
}

} // namespace tallo
