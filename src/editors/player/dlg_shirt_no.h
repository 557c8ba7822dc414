#pragma once

#include <memory>

#include "editors/framework/dialog_b.h"

class QLabel;
class QPushButton;
class QSpinBox;

namespace tallo {

class CClub;
class CMyListBox;
class CWorld;
class ShirtNumbersModel;

// The shirt numbers of a club's first team (CDlgShirtNo): the players with their numbers, the
// selected player's number (0 to 99, 0 for none; a number another player wears is swapped
// with him), a button that numbers the players without a number, OK (the numbers are written
// into the players) and cancel.
class CDlgShirtNo : public CDialogB {
    Q_OBJECT

public:
    CDlgShirtNo(CWorld& world, const CClub& club, int languageSlot, QWidget* parent = nullptr);
    ~CDlgShirtNo() override;

    ShirtNumbersModel& Model() const { return *model_; }
    CMyListBox& List() const { return *list_; }
    QSpinBox& Number() const { return *number_; }
    QPushButton& NumberRestButton() const { return *numberRest_; }

public slots:
    void accept() override;

private:
    void ShowRow(int row);
    void OnRowChanged(int row);
    void OnNumberChanged(int number);

    std::unique_ptr<ShirtNumbersModel> model_;
    CMyListBox* list_;
    QSpinBox* number_;
    QPushButton* numberRest_;
    bool showing_ = false;
};

} // namespace tallo
