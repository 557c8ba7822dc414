#include "editors/records/dlg_referee.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editors/framework/my_group_box.h"
#include "editors/framework/ok_cancel_buttons.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"

namespace tallo {

namespace {

QString Text(DialogTextKey key) {
    return ToQString(DialogText(key));
}

} // namespace

CDlgReferee::CDlgReferee(QWidget* parent, const Referee& referee)
    : CDialogB(parent), model_(referee) {
    setWindowTitle(Text("referee.editor.title"));
    auto* layout = new QVBoxLayout(this);

    auto* names = new QGridLayout;
    names->addWidget(new QLabel(Text("referee.editor.first_name"), this), 0, 0);
    firstName_ = new QLineEdit(RecordToQString(model_.FirstName()), this);
    firstName_->setMaxLength(static_cast<int>(RefereeEditorModel::kFirstNameFieldLimit));
    firstName_->setToolTip(
        ToQString(FormatDialogText("referee.editor.first_name_note",
                                   static_cast<int>(RefereeEditorModel::kFirstNameStoredLimit))));
    names->addWidget(firstName_, 0, 1);
    names->addWidget(new QLabel(Text("referee.editor.surname"), this), 1, 0);
    surname_ = new QLineEdit(RecordToQString(model_.Surname()), this);
    surname_->setMaxLength(static_cast<int>(RefereeEditorModel::kSurnameFieldLimit));
    names->addWidget(surname_, 1, 1);
    names->setColumnStretch(1, 1);
    names->setColumnMinimumWidth(1, 220);
    layout->addLayout(names);

    auto* box = new CMyGroupBox(Text("referee.editor.trait"), this);
    auto* buttons = new QVBoxLayout(box);
    for (int index = 0; index < RefereeEditorModel::kTraitButtons; ++index) {
        auto* button = new QRadioButton(ToQString(RefereeEditorModel::TraitText(index)), box);
        traits_.addButton(button, index);
        buttons->addWidget(button);
    }
    TraitButton(model_.CheckedTrait()).setChecked(true);
    layout->addWidget(box);

    auto* okCancel = MakeOkCancelButtons(*this);
    ok_ = OkButtonOf(*okCancel);
    layout->addWidget(okCancel);

    connect(firstName_, &QLineEdit::textChanged, this,
            [this](const QString& text) { model_.SetFirstName(QStringToRecord(text)); });
    connect(surname_, &QLineEdit::textChanged, this,
            [this](const QString& text) { model_.SetSurname(QStringToRecord(text)); });
    connect(&traits_, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked) {
            model_.CheckTrait(index);
        }
    });
}

QRadioButton& CDlgReferee::TraitButton(int index) const {
    return *static_cast<QRadioButton*>(traits_.button(index));
}

bool RunRefereeEditor(QWidget* owner, Referee& referee) {
    CDlgReferee dialog(owner, referee);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    dialog.Model().Store(referee);
    return true;
}

} // namespace tallo
