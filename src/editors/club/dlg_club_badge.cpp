#include "editors/club/dlg_club_badge.h"

#include "assets/dib_image.h"
#include "editing/club/club_edit_context.h"
#include "editors/club/dib_view.h"
#include "editors/club/dlg_club_badge_manage.h"
#include "editors/framework/my_group_box.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallo {

namespace {

QString Text(DialogTextKey key) {
    return ToQString(DialogText(key));
}

} // namespace

CDlgClubBadge::CDlgClubBadge(QWidget* parent, const ClubEditContext& context)
    : CDialogB(parent, Kind::ChildPage), model_(context) {
    auto* layout = new QVBoxLayout(this);
    auto* group = new CMyGroupBox(Text("badge.page.group"), this);
    auto* groupLayout = new QHBoxLayout(group);

    picture_ = new CDibView(group);
    picture_->setMinimumSize(180, 180);
    groupLayout->addWidget(picture_, 0, Qt::AlignTop);

    auto* side = new QVBoxLayout();
    auto* fileLabel = new QLabel(Text("badge.page.file"), group);
    name_ = new QLabel(group);
    name_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    name_->setWordWrap(true);
    warning_ = new QLabel(group);
    warning_->setWordWrap(true);
    warning_->setStyleSheet(QStringLiteral("color: #a00000;"));
    choose_ = new QPushButton(Text("badge.page.choose"), group);
    clear_ = new QPushButton(Text("badge.page.clear"), group);
    side->addWidget(fileLabel);
    side->addWidget(name_);
    side->addWidget(warning_);
    side->addStretch(1);
    side->addWidget(choose_);
    side->addWidget(clear_);
    groupLayout->addLayout(side, 1);
    layout->addWidget(group);
    layout->addStretch(1);

    connect(choose_, &QPushButton::clicked, this, [this] { ChooseBadge(); });
    connect(clear_, &QPushButton::clicked, this, [this] { ClearBadge(); });
    Show();
}

void CDlgClubBadge::FillFrom(const CClub& club) {
    model_.Fill(club);
    Show();
}

void CDlgClubBadge::StoreInto(CClub& club) {
    model_.Store(club);
}

void CDlgClubBadge::ChooseBadge() {
    std::optional<std::string> chosen;
    if (chooser_) {
        chosen = chooser_(model_.BadgeName());
    } else {
        CDlgClubBadgeManage dialog(this, model_.Context(), model_.BadgeName());
        if (dialog.exec() == QDialog::Accepted) {
            chosen = dialog.ChosenName();
        }
    }
    if (chosen && model_.SetBadgeName(*chosen)) {
        Show();
    }
}

void CDlgClubBadge::ClearBadge() {
    model_.Clear();
    Show();
}

void CDlgClubBadge::Show() {
    DibImage image;
    CDib dib;
    if (model_.LoadPicture(image)) {
        dib.Load(image);
    }
    picture_->SetDib(dib);
    const std::string& badge = model_.BadgeName();
    name_->setText(badge.empty() ? Text("badge.page.none") : RecordToQString(badge));
    switch (model_.BadgeState()) {
    case ClubBadgePageModel::State::Incomplete:
        warning_->setText(Text("badge.page.incomplete"));
        break;
    case ClubBadgePageModel::State::Missing:
        warning_->setText(Text("badge.page.missing"));
        break;
    default:
        warning_->clear();
        break;
    }
    warning_->setVisible(model_.ShowsWarning());
    clear_->setEnabled(!badge.empty());
}

} // namespace tallo
