#include "editors/staff/dlg_manager_all_right.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "editors/framework/my_group_box.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"

namespace tallo {

namespace {

QString Text(DialogTextKey key) {
    return ToQString(DialogText(key));
}

} // namespace

CDlgManagerAllRight::CDlgManagerAllRight(QWidget* parent, const PersonEditContext& context)
    : CDialogB(parent, Kind::ChildPage), model_(context) {
    setWindowTitle(Text("staff.preferences.title"));
    auto* layout = new QGridLayout(this);
    auto* box = new CMyGroupBox(Text("staff.preferences.title"), this);
    auto* grid = new QGridLayout(box);
    auto addRow = [&](int row, DialogTextKey label, QLabel*& name, QPushButton*& button) {
        grid->addWidget(new QLabel(Text(label), box), row, 0);
        name = new QLabel(box);
        name->setMinimumWidth(200);
        grid->addWidget(name, row, 1);
        button = new QPushButton(Text("staff.preferences.choose"), box);
        grid->addWidget(button, row, 2);
    };
    addRow(0, "staff.preferences.favourite_club", favouriteClub_, favouriteClubButton_);
    addRow(1, "staff.preferences.favourite_player", favouritePlayer_, favouritePlayerButton_);
    addRow(2, "staff.preferences.never_club", neverClub_, neverClubButton_);
    grid->addWidget(new QLabel(Text("staff.preferences.formation"), box), 3, 0);
    formation_ = new QComboBox(box);
    for (const FormationEntry& entry : model_.Formations()) {
        formation_->addItem(ToQString(entry.name), entry.value);
    }
    grid->addWidget(formation_, 3, 1);
    grid->setColumnStretch(1, 1);
    layout->addWidget(box, 0, 0);
    layout->setRowStretch(1, 1);

    connect(favouriteClubButton_, &QPushButton::clicked, this, [this] {
        if (model_.ChooseFavouriteClub()) {
            ShowNames();
        }
    });
    connect(favouritePlayerButton_, &QPushButton::clicked, this, [this] {
        if (model_.ChooseFavouritePlayer()) {
            ShowNames();
        }
    });
    connect(neverClubButton_, &QPushButton::clicked, this, [this] {
        if (model_.ChooseNeverClub()) {
            ShowNames();
        }
    });
    connect(formation_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!filling_ && index >= 0) {
            model_.SetFormation(formation_->itemData(index).toInt());
        }
    });
    SetPerson(nullptr);
}

void CDlgManagerAllRight::SetPerson(CPlayer* person) {
    model_.SetPerson(person);
    setEnabled(person != nullptr);
    filling_ = true;
    const int formation = model_.Formation();
    formation_->setCurrentIndex(formation < 0 ? -1 : formation_->findData(formation));
    filling_ = false;
    ShowNames();
}

void CDlgManagerAllRight::StorePerson() {
    model_.Store();
}

void CDlgManagerAllRight::ShowNames() {
    // With a person, an empty choice reads "(none)"; without one the labels stay empty.
    const bool any = model_.Person() != nullptr;
    auto shown = [any](const std::string& name) {
        return !any ? QString() : name.empty() ? Text("history.no_club") : ToQString(name);
    };
    favouriteClub_->setText(shown(model_.FavouriteClubName()));
    favouritePlayer_->setText(shown(model_.FavouritePlayerName()));
    neverClub_->setText(shown(model_.NeverClubName()));
}

} // namespace tallo
