#pragma once

#include <cstdint>

#include "editing/records/stadium_list_model.h"
#include "editors/country/country_page_view.h"
#include "editors/framework/dialog_b.h"

class QLabel;
class QPushButton;

namespace tallo {

class CMyListBox;

// The stadium list page of the country settings editor: the country's stadiums (name, city,
// total capacity) and the buttons new, change and delete; a double click or Enter on a row
// changes it. Each command acts on the country at once. A deletion that clubs, the national
// stadium or a cup final refer to is asked first and clears those references.
class CDlgStadiumList : public CDialogB, public CountryPageView {
    Q_OBJECT

public:
    CDlgStadiumList(QWidget* parent, const CountryEditContext& context);

    void FillCountry() override;
    void StoreCountry() override;

    // The commands (the buttons call them).
    void NewStadium();
    void ChangeStadium();
    void DeleteStadium();

    StadiumListModel& Model() { return model_; }
    CMyListBox& List() const { return *list_; }
    QPushButton& NewButton() const { return *new_; }
    QPushButton& ChangeButton() const { return *change_; }
    QPushButton& DeleteButton() const { return *delete_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Refills the list, selecting the stadium `key` when it is listed.
    void ShowRows(uint32_t key);
    uint32_t SelectedKey() const;
    void UpdateButtons();
    void Tell(const std::string& message) const;

    const CountryEditContext& context_;
    StadiumListModel model_;
    CMyListBox* list_ = nullptr;
    QLabel* count_ = nullptr;
    QPushButton* new_ = nullptr;
    QPushButton* change_ = nullptr;
    QPushButton* delete_ = nullptr;
};

} // namespace tallo
