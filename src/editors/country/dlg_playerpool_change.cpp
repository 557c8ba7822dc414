#include "editors/country/dlg_playerpool_change.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editing/country/player_pool_model.h"
#include "editors/framework/my_group_box.h"
#include "editors/framework/ok_cancel_buttons.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"
#include "world/player_pool_entry.h"

namespace tallo {

namespace {

QString Text(DialogTextKey key) {
    return ToQString(DialogText(key));
}

} // namespace

CDlgPlayerpoolChange::CDlgPlayerpoolChange(QWidget* parent, const CountryEditContext& context,
                                           size_t entry)
    : CDialogB(parent), model_(context, entry) {
    setWindowTitle(Text("pool.change.title"));
    auto* layout = new QVBoxLayout(this);
    auto* box = new CMyGroupBox(QString(), this);
    auto* grid = new QGridLayout(box);

    grid->addWidget(new QLabel(Text("pool.change.first_name"), box), 0, 0);
    firstName_ = new QLineEdit(RecordToQString(model_.FirstName()), box);
    firstName_->setMaxLength(static_cast<int>(PlayerPoolChangeModel::kFirstNameLimit));
    grid->addWidget(firstName_, 0, 1, 1, 2);
    grid->addWidget(new QLabel(Text("pool.change.surname"), box), 1, 0);
    surname_ = new QLineEdit(RecordToQString(model_.Surname()), box);
    surname_->setMaxLength(static_cast<int>(PlayerPoolChangeModel::kSurnameLimit));
    grid->addWidget(surname_, 1, 1, 1, 2);

    grid->addWidget(new QLabel(Text("pool.change.nationality"), box), 2, 0);
    nationality_ = new QComboBox(box);
    nationality_->setMaxVisibleItems(20);
    for (const ChoiceEntry& choice : model_.nationality.entries) {
        nationality_->addItem(choice.value == 0 ? Text("pool.change.none")
                                                : RecordToQString(choice.text),
                              choice.value);
    }
    nationality_->setCurrentIndex(model_.nationality.selected);
    grid->addWidget(nationality_, 2, 1, 1, 2);

    grid->addWidget(new QLabel(Text("pool.change.skill"), box), 3, 0);
    skill_ = new QComboBox(box);
    for (int skill = 0; skill < PlayerPoolEntry::kSpecialSkillCount; ++skill) {
        skill_->addItem(ToQString(PlayerPoolModel::SkillText(skill)), skill);
    }
    skill_->setCurrentIndex(model_.SpecialSkill());
    grid->addWidget(skill_, 3, 1, 1, 2);

    grid->addWidget(new QLabel(Text("pool.change.position"), box), 4, 0);
    position_ = new QComboBox(box);
    for (int position = 0; position <= PlayerPoolEntry::kForward; ++position) {
        position_->addItem(ToQString(PlayerPoolModel::PositionText(position)), position);
    }
    position_->setCurrentIndex(model_.Position());
    grid->addWidget(position_, 4, 1, 1, 2);

    grid->addWidget(new QLabel(Text("pool.change.club"), box), 5, 0);
    club_ = new QLabel(box);
    club_->setMinimumWidth(180);
    grid->addWidget(club_, 5, 1, 1, 2);
    auto* chooseClub = new QPushButton(Text("pool.change.choose_club"), box);
    auto* clearClub = new QPushButton(Text("pool.change.clear_club"), box);
    grid->addWidget(chooseClub, 6, 1);
    grid->addWidget(clearClub, 6, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    layout->addWidget(box);

    auto* buttons = MakeOkCancelButtons(*this);
    ok_ = OkButtonOf(*buttons);
    layout->addWidget(buttons);

    connect(firstName_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.SetFirstName(QStringToRecord(text)); });
    connect(surname_, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.SetSurname(QStringToRecord(text));
        UpdateOk();
    });
    connect(nationality_, &QComboBox::currentIndexChanged, this,
            [this](int index) { model_.nationality.Select(index); });
    connect(skill_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            model_.SetSpecialSkill(index);
        }
    });
    connect(position_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            model_.SetPosition(index);
        }
    });
    connect(chooseClub, &QPushButton::clicked, this, [this] {
        if (model_.ChooseFavouriteClub()) {
            ShowClub();
        }
    });
    connect(clearClub, &QPushButton::clicked, this, [this] {
        model_.ClearFavouriteClub();
        ShowClub();
    });
    ShowClub();
    UpdateOk();
}

void CDlgPlayerpoolChange::accept() {
    if (!model_.Store()) {
        return; // no surname: OK stays unavailable
    }
    CDialogB::accept();
}

void CDlgPlayerpoolChange::ShowClub() {
    const std::string name = model_.FavouriteClubName();
    club_->setText(name.empty() ? Text("pool.change.none") : ToQString(name));
}

void CDlgPlayerpoolChange::UpdateOk() {
    ok_->setEnabled(model_.CanStore());
    ok_->setToolTip(model_.CanStore() ? QString() : Text("pool.change.surname_needed"));
}

bool RunPlayerpoolChange(QWidget* owner, const CountryEditContext& context, size_t entry) {
    CDlgPlayerpoolChange dialog(owner, context, entry);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace tallo
