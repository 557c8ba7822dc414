#pragma once

#include "editors/framework/dialog_b.h"

class QLineEdit;

namespace tallo {

struct SearchCriteria;

// The player search dialog: first name, surname and nickname-or-pseudonym patterns, shown from
// the criteria kept from the last search and written back to them on OK.
class CDlgPlayerSearch : public CDialogB {
    Q_OBJECT

public:
    explicit CDlgPlayerSearch(SearchCriteria& criteria, QWidget* parent = nullptr);

    QLineEdit& FirstNameEdit() const { return *firstName_; }
    QLineEdit& SurnameEdit() const { return *surname_; }
    QLineEdit& NicknameEdit() const { return *nickname_; }

public slots:
    void accept() override;

private:
    SearchCriteria& criteria_;
    QLineEdit* firstName_ = nullptr; // 1490
    QLineEdit* surname_ = nullptr;   // 1132
    QLineEdit* nickname_ = nullptr;  // 1155
};

} // namespace tallo
