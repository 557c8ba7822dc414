#pragma once

#include <cstdint>
#include <memory>

#include "editing/assistants/player_doubles_model.h"
#include "editing/assistants/world_changes.h"
#include "editors/framework/dialog_b.h"

class QCheckBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;

namespace tallo {

class CReportList;
class CWorld;

// The player doubles (dialog 153): the scope radios 1954 (all), 1955 (only the given country)
// and 1956 (only the given club), check box 1989 (same birth date only), list 1967 of the
// pairs, the buttons that delete player 1 (1948) or 2 (1949) of the selected row, print (1966),
// save (1968) and close. A right click selects the row and offers both deletes. The rules are
// the model's.
class CPlayerDouble : public CDialogB {
    Q_OBJECT

public:
    CPlayerDouble(QWidget* parent, CWorld& world, int languageSlot, int country, uint32_t club,
                  const WorldChanges& changes);
    ~CPlayerDouble() override;

    PlayerDoublesModel& Model() { return *model_; }
    CReportList& List() const { return *list_; }
    QRadioButton& ScopeRadio(DoublesScope scope) const;
    QCheckBox& SameBirthDateBox() const { return *sameBirthDate_; }
    QPushButton& DeleteButton(int which) const { return which == 1 ? *delete1_ : *delete2_; }
    QPushButton& PrintButton() const { return *print_; }
    QPushButton& SaveButton() const { return *save_; }
    QLabel& CountLabel() const { return *count_; }

    // Deletes player 1 or 2 of the selected row (nothing without one).
    void DeleteSelected(int which);
    // The context menu shown last (null before the first right click).
    QMenu* Menu() const { return menu_.get(); }
    // The context menu at a point of the list's viewport.
    void ShowMenu(const QPoint& pos);

    // The title of the printed and saved list (string 866).
    static QString ListTitle();

private:
    void ShowRows();
    void UpdateButtons();

    std::unique_ptr<PlayerDoublesModel> model_;
    WorldChanges changes_;
    QRadioButton* all_ = nullptr;
    QRadioButton* country_ = nullptr;
    QRadioButton* club_ = nullptr;
    QCheckBox* sameBirthDate_ = nullptr;
    CReportList* list_ = nullptr;
    QLabel* count_ = nullptr;
    QPushButton* delete1_ = nullptr;
    QPushButton* delete2_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* save_ = nullptr;
    std::unique_ptr<QMenu> menu_;
};

// Opens the player doubles on `world`; `country` (0 for none) and `club` (a club key, 0 for
// none) narrow the list from the start. Deletes go through `changes`.
void RunPlayerDoubles(QWidget* owner, CWorld& world, int languageSlot, int country, uint32_t club,
                      const WorldChanges& changes);

} // namespace tallo
