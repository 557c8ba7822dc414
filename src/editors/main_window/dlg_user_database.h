#pragma once

#include "editors/framework/dialog_b.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tallo {

class CSelectDatabase;
class UserDatabaseDialogModel;

// The open dialog (CDlgSelectDatabase) and the save dialog (CDlgNewDatabase) of the user
// databases, on their model: the list with the database icon, the comment of the selected
// database, delete, and open or save; the save dialog also has the new name and comment.
class CDlgUserDatabase : public CDialogB {
    Q_OBJECT

public:
    CDlgUserDatabase(UserDatabaseDialogModel& model, QWidget* parent = nullptr);

    CSelectDatabase& List() const { return *list_; }

private:
    void FillList();
    void Show();

    UserDatabaseDialogModel& model_;
    CSelectDatabase* list_ = nullptr;
    QLabel* comment_ = nullptr;
    QLineEdit* newName_ = nullptr;
    QLineEdit* newComment_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* accept_ = nullptr;
    bool showing_ = false;
};

} // namespace tallo
