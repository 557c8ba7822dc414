#include "editors/club/dlg_club_badge_manage.h"

#include "assets/dib_image.h"
#include "editing/club/club_edit_context.h"
#include "editors/club/dib_view.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"
#include "world/club.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tallo {

namespace {

// "Country": the label of the group box.
constexpr int kCountryLabel = 894;

QString Text(DialogTextKey key) {
    return ToQString(DialogText(key));
}

} // namespace

CDlgClubBadgeManage::CDlgClubBadgeManage(QWidget* parent, const ClubEditContext& context,
                                         std::string_view currentBadge)
    : CDialogB(parent), model_(ClubBadgeSources(context), CClub::kBadgeFileSize, context.prompt) {
    setWindowTitle(Text("badge.chooser.caption"));

    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout();
    auto* left = new QGridLayout();
    auto* groupLabel = new QLabel(NumberedText(kCountryLabel), this);
    groups_ = new QComboBox(this);
    groups_->setMinimumContentsLength(16);
    groupLabel->setBuddy(groups_);
    left->addWidget(groupLabel, 0, 0);
    left->addWidget(groups_, 0, 1);
    auto* badgesLabel = new QLabel(Text("badge.chooser.badges"), this);
    badges_ = new QListWidget(this);
    badges_->setMinimumSize(200, 220);
    badgesLabel->setBuddy(badges_);
    left->addWidget(badgesLabel, 1, 0, 1, 2);
    left->addWidget(badges_, 2, 0, 1, 2);
    left->setRowStretch(2, 1);
    columns->addLayout(left, 1);

    auto* right = new QVBoxLayout();
    preview_ = new CDibView(this);
    preview_->setMinimumSize(180, 180);
    right->addWidget(preview_, 0, Qt::AlignHCenter | Qt::AlignTop);
    right->addStretch(1);
    columns->addLayout(right);
    layout->addLayout(columns, 1);

    auto* nameRow = new QHBoxLayout();
    auto* nameLabel = new QLabel(Text("badge.chooser.name"), this);
    name_ = new QLineEdit(this);
    name_->setReadOnly(true);
    nameLabel->setBuddy(name_);
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(name_, 1);
    layout->addLayout(nameRow);

    empty_ = new QLabel(Text("badge.chooser.empty"), this);
    empty_->setWordWrap(true);
    layout->addWidget(empty_);

    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(Text("framework.button.ok"), QDialogButtonBox::AcceptRole);
    buttons->addButton(Text("framework.button.cancel"), QDialogButtonBox::RejectRole);
    ok_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgClubBadgeManage::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(groups_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!filling_) {
            model_.SelectGroup(index);
            FillBadges();
        }
    });
    connect(badges_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!filling_) {
            model_.SelectItem(row);
            ShowSelected();
        }
    });
    connect(badges_, &QListWidget::itemDoubleClicked, this, [this] { accept(); });

    model_.Open(currentBadge);
    FillGroups();
}

void CDlgClubBadgeManage::FillGroups() {
    filling_ = true;
    groups_->clear();
    for (const std::string& name : model_.GroupNames()) {
        groups_->addItem(RecordToQString(name));
    }
    groups_->setCurrentIndex(model_.SelectedGroup());
    filling_ = false;
    empty_->setVisible(model_.List().Groups().empty());
    FillBadges();
}

void CDlgClubBadgeManage::FillBadges() {
    filling_ = true;
    badges_->clear();
    for (const std::string& name : model_.ItemNames()) {
        badges_->addItem(RecordToQString(name));
    }
    badges_->setCurrentRow(model_.SelectedItem());
    if (model_.SelectedItem() >= 0) {
        badges_->scrollToItem(badges_->currentItem());
    }
    filling_ = false;
    ShowSelected();
}

void CDlgClubBadgeManage::ShowSelected() {
    DibImage image;
    CDib dib;
    if (model_.LoadSelectedPicture(image)) {
        dib.Load(image);
    }
    preview_->SetDib(dib);
    name_->setText(RecordToQString(model_.SelectedName()));
    ok_->setEnabled(model_.HasSelection());
}

void CDlgClubBadgeManage::accept() {
    if (model_.Accept(chosen_)) {
        CDialogB::accept();
    }
}

} // namespace tallo
