#pragma once

#include <cstddef>

#include "editing/country/player_pool_change_model.h"
#include "editors/framework/dialog_b.h"

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tallo {

// The young-player dialog: first name, surname, nationality, special skill, position and
// favourite club of one pool entry. OK (possible once a surname is typed) writes the entry;
// cancel leaves it as it was.
class CDlgPlayerpoolChange : public CDialogB {
    Q_OBJECT

public:
    CDlgPlayerpoolChange(QWidget* parent, const CountryEditContext& context, size_t entry);

    PlayerPoolChangeModel& Model() { return model_; }
    QLineEdit& FirstNameEdit() const { return *firstName_; }
    QLineEdit& SurnameEdit() const { return *surname_; }
    QComboBox& NationalityBox() const { return *nationality_; }
    QComboBox& SkillBox() const { return *skill_; }
    QComboBox& PositionBox() const { return *position_; }
    QLabel& ClubText() const { return *club_; }
    QPushButton& OkButton() const { return *ok_; }

public slots:
    void accept() override;

private:
    void ShowClub();
    void UpdateOk();

    PlayerPoolChangeModel model_;
    QLineEdit* firstName_ = nullptr;
    QLineEdit* surname_ = nullptr;
    QComboBox* nationality_ = nullptr;
    QComboBox* skill_ = nullptr;
    QComboBox* position_ = nullptr;
    QLabel* club_ = nullptr;
    QPushButton* ok_ = nullptr;
};

// Opens the dialog for pool entry `entry` of the context's country; true when OK wrote it.
bool RunPlayerpoolChange(QWidget* owner, const CountryEditContext& context, size_t entry);

} // namespace tallo
