#pragma once

#include <memory>

#include "editors/framework/dialog_b.h"

class QLabel;
class QMenu;

namespace tallo {

class CMyListBox;
class PersonListModel;

// The person list page (CDlgManagerList; the country's twin is the same page on a model set
// up with SetUpCountryList): the number of persons and their average level above the list of
// persons, and the context menu whose commands create a person of a role, transfer, take and
// delete. The rules live in the model; the page shows it and passes the user's selection and
// commands on.
class CDlgManagerList : public CDialogB {
    Q_OBJECT

public:
    explicit CDlgManagerList(PersonListModel& model, QWidget* parent = nullptr);

    PersonListModel& Model() const { return model_; }
    CMyListBox& List() const { return *list_; }
    QLabel& CountLabel() const { return *count_; }
    QLabel& AverageLabel() const { return *average_; }

    // Shows the model's rows, its selected row and the counts (after the model filled the list).
    void Refresh();
    // Fills the model's list and shows it.
    void FillPersonList();

    // The context menu of the model's commands; each action carries its command as data.
    std::unique_ptr<QMenu> BuildContextMenu() const;
    // Runs a command as its menu item does; true when the world changed.
    bool RunCommand(int command);

signals:
    // A command changed the world (the list is shown anew already).
    void personsChanged();

private:
    void OnCurrentRowChanged(int row);
    void OnRightClicked(const QPoint& pos, const QPoint& globalPos);
    void ShowMenuAtCurrentRow();

    PersonListModel& model_;
    QLabel* count_;
    QLabel* average_;
    CMyListBox* list_;
    bool refreshing_ = false;
};

} // namespace tallo
