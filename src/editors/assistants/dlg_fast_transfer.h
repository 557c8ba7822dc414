#pragma once

#include <memory>

#include "editing/assistants/fast_transfer_model.h"
#include "editing/assistants/world_changes.h"
#include "editors/framework/dialog_b.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace tallo {

class CMyListBox;
class CWorld;

// The fast transfer (dialog 178): the source country (1761) with its players (1759) and the
// chosen player's number (1765) on the left; the target country (1128), its clubs (1760) and
// the free numbers (1764) on the right; the transfer button (1762). The rules are the model's.
class CDlgFastTransfer : public CDialogB {
    Q_OBJECT

public:
    CDlgFastTransfer(QWidget* parent, CWorld& world, int languageSlot, int country,
                     const WorldChanges& changes);
    ~CDlgFastTransfer() override;

    FastTransferModel& Model() { return *model_; }
    QComboBox& SourceCountries() const { return *sourceCountries_; }
    CMyListBox& Players() const { return *players_; }
    QLabel& CurrentNumber() const { return *currentNumber_; }
    QListWidget& TargetCountries() const { return *targetCountries_; }
    QListWidget& Clubs() const { return *clubs_; }
    QListWidget& Numbers() const { return *numbers_; }
    QPushButton& TransferButton() const { return *transfer_; }

private:
    void ShowPlayers();
    void ShowClubs();
    void ShowNumbers();
    void Transfer();

    std::unique_ptr<FastTransferModel> model_;
    WorldChanges changes_;
    bool filling_ = false;
    QComboBox* sourceCountries_ = nullptr;
    CMyListBox* players_ = nullptr;
    QLabel* currentNumber_ = nullptr;
    QListWidget* targetCountries_ = nullptr;
    QListWidget* clubs_ = nullptr;
    QListWidget* numbers_ = nullptr;
    QPushButton* transfer_ = nullptr;
};

// Opens the fast transfer on `country` (source and target); each transfer goes through
// `changes`.
void RunFastTransfer(QWidget* owner, CWorld& world, int languageSlot, int country,
                     const WorldChanges& changes);

} // namespace tallo
