#include "editors/player/dlg_player_position_england.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

#include "editors/framework/my_group_box.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"

namespace tallo {

namespace {

QString Text(DialogTextKey key) {
    return ToQString(DialogText(key));
}

constexpr int kColumns = 3;

} // namespace

CDlgPlayerPositionEngland::CDlgPlayerPositionEngland(QWidget* parent)
    : CDialogB(parent, Kind::ChildPage) {
    auto* layout = new QGridLayout(this);

    auto* mainBox = new CMyGroupBox(Text("person.positions.main"), this);
    auto* mainGrid = new QGridLayout(mainBox);
    mainGroup_ = new QButtonGroup(this);
    mainGroup_->setExclusive(true);
    auto* secondaryBox = new CMyGroupBox(Text("person.positions.secondary"), this);
    auto* secondaryGrid = new QGridLayout(secondaryBox);
    for (int position = 1; position <= CPlayer::kPositionCount; ++position) {
        const QString name = ToQString(PositionName(position));
        const int row = (position - 1) / kColumns;
        const int column = (position - 1) % kColumns;
        auto* button = new QRadioButton(name, mainBox);
        mainGroup_->addButton(button, position);
        mainGrid->addWidget(button, row, column);
        main_[static_cast<size_t>(position - 1)] = button;
        auto* box = new QCheckBox(name, secondaryBox);
        secondaryGrid->addWidget(box, row, column);
        secondary_[static_cast<size_t>(position - 1)] = box;
        connect(box, &QCheckBox::toggled, this, [this, position, box](bool on) {
            if (filling_) {
                return;
            }
            if (!model_.SetSecondary(position, on)) {
                // A third secondary position, or the main one: the box goes back.
                filling_ = true;
                box->setChecked(false);
                filling_ = false;
            }
            ShowValues();
        });
    }
    connect(mainGroup_, &QButtonGroup::idToggled, this, [this](int position, bool on) {
        if (!filling_ && on) {
            model_.SetMainPosition(position);
            ShowValues();
        }
    });
    layout->addWidget(mainBox, 0, 0);
    layout->addWidget(secondaryBox, 0, 1);

    auto* ratingsBox = new CMyGroupBox(Text("person.positions.ratings"), this);
    auto* ratingsGrid = new QGridLayout(ratingsBox);
    const std::array<QString, 3> labels = {Text("person.positions.rating_main"),
                                           Text("person.positions.rating_second"),
                                           Text("person.positions.rating_third")};
    for (int slot = 0; slot < 3; ++slot) {
        const size_t index = static_cast<size_t>(slot);
        ratingsGrid->addWidget(new QLabel(labels[index], ratingsBox), slot, 0);
        ratingNames_[index] = new QLabel(ratingsBox);
        ratings_[index] = new QLabel(ratingsBox);
        ratingNames_[index]->setMinimumWidth(40);
        ratings_[index]->setMinimumWidth(40);
        ratingsGrid->addWidget(ratingNames_[index], slot, 1);
        ratingsGrid->addWidget(ratings_[index], slot, 2);
    }
    ratingsGrid->setColumnStretch(3, 1);
    layout->addWidget(ratingsBox, 1, 0, 1, 2);
    layout->setRowStretch(2, 1);
    SetPerson(nullptr);
}

QRadioButton& CDlgPlayerPositionEngland::MainButton(int position) const {
    return *main_.at(static_cast<size_t>(position - 1));
}

QCheckBox& CDlgPlayerPositionEngland::SecondaryBox(int position) const {
    return *secondary_.at(static_cast<size_t>(position - 1));
}

void CDlgPlayerPositionEngland::SetPerson(CPlayer* person) {
    model_.SetPerson(person);
    setEnabled(person != nullptr);
    ShowValues();
}

void CDlgPlayerPositionEngland::StorePerson() {
    model_.Store();
}

void CDlgPlayerPositionEngland::ShowValues() {
    filling_ = true;
    const bool any = model_.Person() != nullptr;
    // No button at all for an empty page or a main position outside 1 to 17.
    mainGroup_->setExclusive(false);
    for (int position = 1; position <= CPlayer::kPositionCount; ++position) {
        MainButton(position).setChecked(any && model_.MainPosition() == position);
        QCheckBox& box = SecondaryBox(position);
        box.setChecked(any && model_.IsSecondary(position));
        box.setEnabled(any && model_.CanSetSecondary(position));
    }
    mainGroup_->setExclusive(true);
    filling_ = false;
    ShowRatings();
}

void CDlgPlayerPositionEngland::ShowRatings() {
    const std::array<PositionRatingShown, 3> shown = {
        model_.MainRating(), model_.SecondaryRating(0), model_.SecondaryRating(1)};
    for (size_t slot = 0; slot < shown.size(); ++slot) {
        ratingNames_[slot]->setText(ToQString(shown[slot].position));
        ratings_[slot]->setText(ToQString(shown[slot].rating));
    }
}

} // namespace tallo
