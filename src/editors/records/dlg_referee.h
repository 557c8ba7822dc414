#pragma once

#include <QButtonGroup>

#include "editing/records/referee_editor_model.h"
#include "editors/framework/dialog_b.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tallo {

// The referee editor: first name, surname and the characteristic as seven radio buttons. OK
// hands the values to the caller (RunRefereeEditor writes them into the referee); cancel
// leaves the referee as it was.
class CDlgReferee : public CDialogB {
    Q_OBJECT

public:
    CDlgReferee(QWidget* parent, const Referee& referee);

    RefereeEditorModel& Model() { return model_; }
    QLineEdit& FirstNameEdit() const { return *firstName_; }
    QLineEdit& SurnameEdit() const { return *surname_; }
    // The radio button of trait `index` (0 to 6).
    QRadioButton& TraitButton(int index) const;
    QPushButton& OkButton() const { return *ok_; }

private:
    RefereeEditorModel model_;
    QLineEdit* firstName_ = nullptr;
    QLineEdit* surname_ = nullptr;
    QButtonGroup traits_;
    QPushButton* ok_ = nullptr;
};

// Opens the referee editor on `referee`; on OK the referee takes the edited values and the
// result is true, otherwise it is left as it was.
bool RunRefereeEditor(QWidget* owner, Referee& referee);

} // namespace tallo
