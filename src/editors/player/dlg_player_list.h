#pragma once

#include <memory>
#include <optional>

#include "editing/common/record_choosers.h"
#include "editors/framework/dialog_b.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace tallo {

class CMyListBox;
class CWorld;
class PlayerListModel;

// The player list (CDlgPlayerList): the players of a country, of all its clubs or of one, with
// position, club and level, and their average level. OK (or a double click) picks the
// selected player.
class CDlgPlayerList : public CDialogB {
    Q_OBJECT

public:
    CDlgPlayerList(const CWorld& world, int languageSlot, int country, QWidget* parent = nullptr);
    ~CDlgPlayerList() override;

    PlayerListModel& Model() const { return *model_; }
    QComboBox& CountryBox() const { return *countries_; }
    QComboBox& ClubBox() const { return *clubs_; }
    CMyListBox& List() const { return *list_; }
    QLabel& AverageLabel() const { return *average_; }

    std::optional<IRecordChoosers::ChosenPerson> Chosen() const;

private:
    void ShowClubs();
    void ShowRows();

    std::unique_ptr<PlayerListModel> model_;
    QComboBox* countries_;
    QComboBox* clubs_;
    CMyListBox* list_;
    QLabel* count_;
    QLabel* average_;
    QPushButton* ok_ = nullptr;
    bool showing_ = false;
};

} // namespace tallo
