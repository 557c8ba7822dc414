#include "editors/player/dlg_player_all_right_small.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "editors/framework/my_group_box.h"
#include "editors/framework/qt_text.h"
#include "editors/framework/spin_edit_ctrl.h"
#include "formats/dialog_text.h"

namespace tallo {

namespace {

QString Text(DialogTextKey key) {
    return ToQString(DialogText(key));
}

} // namespace

CDlgPlayerAllRightSmall::CDlgPlayerAllRightSmall(QWidget* parent)
    : CDialogB(parent, Kind::ChildPage) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* details = new CMyGroupBox(Text("person.details.title"), this);
    auto* grid = new QGridLayout(details);
    grid->addWidget(new QLabel(Text("person.details.talent"), details), 0, 0);
    talent_ = new QComboBox(details);
    for (int talent = 0; talent <= PlayerDetailsPageModel::kTalentMax; ++talent) {
        talent_->addItem(ToQString(PlayerDetailsPageModel::TalentName(talent)), talent);
    }
    grid->addWidget(talent_, 0, 1);
    grid->addWidget(new QLabel(Text("person.details.positions"), details), 1, 0);
    positions_ = new QLabel(details);
    grid->addWidget(positions_, 1, 1);
    grid->addWidget(new QLabel(Text("person.details.shirt"), details), 2, 0);
    shirt_ = new QLabel(details);
    grid->addWidget(shirt_, 2, 1);
    grid->addWidget(new QLabel(Text("person.details.rating"), details), 3, 0);
    rating_ = new QLabel(details);
    grid->addWidget(rating_, 3, 1);
    layout->addWidget(details, 0, 0);

    auto* ratingsBox = new CMyGroupBox(Text("person.details.ratings"), this);
    auto* ratingsGrid = new QGridLayout(ratingsBox);
    const std::array<QString, CPlayer::kPositionRatingCount> names = {
        Text("person.details.goalkeeper"), Text("person.details.defence"),
        Text("person.details.midfield"), Text("person.details.attack")};
    for (int group = 0; group < CPlayer::kPositionRatingCount; ++group) {
        ratingsGrid->addWidget(new QLabel(names[static_cast<size_t>(group)], ratingsBox), group, 0);
        auto* spin = new CSpinEditCtrl(ratingsBox);
        spin->SetIntegerRange(0, PlayerDetailsPageModel::kPositionRatingMax);
        spin->Edit().setMaximumWidth(36);
        ratingsGrid->addWidget(spin, group, 1, Qt::AlignLeft);
        ratings_[static_cast<size_t>(group)] = spin;
        connect(spin, &CSpinEditCtrl::valueChanged, this, [this, group, spin] {
            if (!filling_) {
                model_.SetPositionRating(group, spin->IntegerValue());
                ShowDerived();
            }
        });
    }
    layout->addWidget(ratingsBox, 0, 1);

    auto* notesBox = new CMyGroupBox(Text("person.details.notes"), this);
    auto* notesLayout = new QGridLayout(notesBox);
    notes_ = new QPlainTextEdit(notesBox);
    notes_->setReadOnly(true);
    notes_->setMaximumHeight(70);
    notesLayout->addWidget(notes_, 0, 0);
    layout->addWidget(notesBox, 1, 0, 1, 2);

    connect(talent_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!filling_ && index >= 0) {
            model_.SetTalent(talent_->itemData(index).toInt());
            ShowDerived();
        }
    });
    SetPerson(nullptr);
}

void CDlgPlayerAllRightSmall::SetPerson(CPlayer* person) {
    model_.SetPerson(person);
    setEnabled(person != nullptr);
    ShowValues();
}

void CDlgPlayerAllRightSmall::StorePerson() {
    // The model took every number as it was typed, brought into its range.
    model_.Store();
}

void CDlgPlayerAllRightSmall::ShowValues() {
    filling_ = true;
    const bool any = model_.Person() != nullptr;
    talent_->setCurrentIndex(any ? talent_->findData(model_.Talent()) : -1);
    for (int group = 0; group < CPlayer::kPositionRatingCount; ++group) {
        CSpinEditCtrl& spin = *ratings_[static_cast<size_t>(group)];
        if (any) {
            spin.SetValue(model_.PositionRating(group));
        } else {
            spin.Edit().clear();
        }
    }
    positions_->setText(ToQString(model_.PositionsText()));
    shirt_->setText(ToQString(model_.ShirtNumberText()));
    notes_->setPlainText(ToQString(model_.NotesText()));
    filling_ = false;
    ShowDerived();
}

void CDlgPlayerAllRightSmall::ShowDerived() {
    rating_->setText(ToQString(model_.RatingText()));
}

} // namespace tallo
