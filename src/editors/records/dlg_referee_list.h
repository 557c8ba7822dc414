#pragma once

#include <cstdint>

#include "editing/records/referee_list_model.h"
#include "editors/country/country_page_view.h"
#include "editors/framework/dialog_b.h"

class QLabel;
class QPushButton;

namespace tallo {

class CMyListBox;

// The referee page of the country settings editor: the country's referees (name and
// characteristic) and the buttons new, change and delete; a double click or Enter on a row
// changes it. Each command acts on the country at once.
class CDlgRefereeList : public CDialogB, public CountryPageView {
    Q_OBJECT

public:
    CDlgRefereeList(QWidget* parent, const CountryEditContext& context);

    void FillCountry() override;
    void StoreCountry() override;

    // The commands (the buttons call them).
    void NewReferee();
    void ChangeReferee();
    void DeleteReferee();

    RefereeListModel& Model() { return model_; }
    CMyListBox& List() const { return *list_; }
    QPushButton& NewButton() const { return *new_; }
    QPushButton& ChangeButton() const { return *change_; }
    QPushButton& DeleteButton() const { return *delete_; }

private:
    // Refills the list, selecting the row of referee `id` when it is listed.
    void ShowRows(uint32_t id);
    // The ID of the selected referee; 0 when none is selected.
    uint32_t SelectedId() const;
    void UpdateButtons();

    const CountryEditContext& context_;
    RefereeListModel model_;
    CMyListBox* list_ = nullptr;
    QLabel* count_ = nullptr;
    QPushButton* new_ = nullptr;
    QPushButton* change_ = nullptr;
    QPushButton* delete_ = nullptr;
};

} // namespace tallo
