#pragma once

#include <array>
#include <memory>

#include "editing/assistants/player_compare_model.h"
#include "editors/framework/dialog_b.h"

class QComboBox;

namespace tallo {

class CReportList;
class CSpinEditCtrl;
class CWorld;

// The player comparison (dialog 216): per side a country combo, a club combo, the club's
// player list and the chosen player's 16 abilities, the ability names between the two sides.
// The ability fields only show: they are read-only and nothing is written back to a player.
class CDlgPlayerCompare : public CDialogB {
    Q_OBJECT

public:
    CDlgPlayerCompare(QWidget* parent, const CWorld& world, int languageSlot, int country);
    ~CDlgPlayerCompare() override;

    PlayerCompareModel& Model() { return *model_; }
    QComboBox& Countries(int side) const { return *Side(side).countries; }
    QComboBox& Clubs(int side) const { return *Side(side).clubs; }
    CReportList& Players(int side) const { return *Side(side).players; }
    CSpinEditCtrl& Ability(int side, int index) const {
        return *Side(side).abilities[static_cast<size_t>(index)];
    }

private:
    struct SideWidgets {
        QComboBox* countries = nullptr;
        QComboBox* clubs = nullptr;
        CReportList* players = nullptr;
        std::array<CSpinEditCtrl*, CPlayer::kAbilityCount> abilities{};
    };

    const SideWidgets& Side(int side) const { return sides_[side == 1 ? 1 : 0]; }
    void MakeSide(int side);
    void ShowClubs(int side);
    void ShowPlayers(int side);
    void ShowAbilities(int side);

    std::unique_ptr<PlayerCompareModel> model_;
    std::array<SideWidgets, PlayerCompareModel::kSides> sides_;
    bool filling_ = false;
};

// Opens the comparison on `country` (both sides); it changes no record.
void RunPlayerComparison(QWidget* owner, const CWorld& world, int languageSlot, int country);

} // namespace tallo
