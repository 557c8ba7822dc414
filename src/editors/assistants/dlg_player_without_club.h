#pragma once

#include <memory>

#include "editing/assistants/free_agents_model.h"
#include "editing/assistants/world_changes.h"
#include "editors/framework/dialog_b.h"

class QLabel;
class QMenu;
class QPushButton;

namespace tallo {

class CReportList;
class CWorld;
class IRecordChoosers;

// The players without a club (dialog 145): list 1950 (name, nationality, position, level),
// move to club (1130) and delete (1131), the same two in the list's context menu. Several rows
// may be selected. The rules are the model's.
class CDlgPlayerWithoutClub : public CDialogB {
    Q_OBJECT

public:
    CDlgPlayerWithoutClub(QWidget* parent, CWorld& world, int languageSlot,
                          IRecordChoosers* choosers, const WorldChanges& changes);
    ~CDlgPlayerWithoutClub() override;

    FreeAgentsModel& Model() { return *model_; }
    CReportList& List() const { return *list_; }
    QPushButton& MoveButton() const { return *move_; }
    QPushButton& DeleteButton() const { return *delete_; }

    void MoveToClub();
    void DeleteSelected();
    // The context menu shown last (null before the first right click).
    QMenu* Menu() const { return menu_.get(); }
    // The context menu at a point of the list's viewport.
    void ShowMenu(const QPoint& pos);

private:
    // Shows the model's rows and selects `row` (none for -1).
    void ShowRows(int row);
    void UpdateButtons();
    // The row the selection is placed from: the current row, else the last selected one.
    int CurrentRow() const;

    std::unique_ptr<FreeAgentsModel> model_;
    IRecordChoosers* choosers_;
    WorldChanges changes_;
    CReportList* list_ = nullptr;
    QLabel* count_ = nullptr;
    QPushButton* move_ = nullptr;
    QPushButton* delete_ = nullptr;
    std::unique_ptr<QMenu> menu_;
};

// Opens the list of the players without a club; moves and deletes go through `changes`, clubs
// are chosen through `choosers` (no move without one).
void RunFreeAgents(QWidget* owner, CWorld& world, int languageSlot, IRecordChoosers* choosers,
                   const WorldChanges& changes);

} // namespace tallo
