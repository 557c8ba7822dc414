#pragma once

#include "editing/country/player_pool_model.h"
#include "editors/country/country_page_view.h"
#include "editors/framework/dialog_b.h"

class QLabel;
class QPushButton;

namespace tallo {

class CMyListBox;

// The young-player pool page of the country settings editor: the players of the country's
// pool (name, position, special skill, favourite club) and the buttons new, change and
// delete; a double click on a row changes it. Each command acts on the country at once.
class CDlgPlayerpool : public CDialogB, public CountryPageView {
    Q_OBJECT

public:
    CDlgPlayerpool(QWidget* parent, const CountryEditContext& context);

    void FillCountry() override;
    void StoreCountry() override;

    // The commands (the buttons call them).
    void NewPlayer();
    void ChangePlayer();
    void DeletePlayer();

    PlayerPoolModel& Model() { return model_; }
    CMyListBox& List() const { return *list_; }
    QPushButton& NewButton() const { return *new_; }
    QPushButton& ChangeButton() const { return *change_; }
    QPushButton& DeleteButton() const { return *delete_; }

private:
    // Refills the list, selecting the row of pool entry `entry` when it is listed.
    void ShowRows(long entry);
    long SelectedEntry() const;
    void UpdateButtons();

    const CountryEditContext& context_;
    PlayerPoolModel model_;
    CMyListBox* list_ = nullptr;
    QLabel* count_ = nullptr;
    QPushButton* new_ = nullptr;
    QPushButton* change_ = nullptr;
    QPushButton* delete_ = nullptr;
};

} // namespace tallo
