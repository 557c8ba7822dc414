#pragma once

#include <vector>

#include "editing/journal/change_journal.h"
#include "editing/records/five_year_ranking.h"
#include "editors/framework/dialog_b.h"

class QPushButton;

namespace tallo {

class CMyListBox;
class CWorld;

// The five-year ranking of the European countries: a list with a header of columns (place and
// country, the six years, the points for the first season) and a change button; a double
// click or Enter on a row changes it too. Changes are made on the countries at once, each
// included in the open change of the window that opened the ranking.
class CDlgFiveYearRanking : public CDialogB {
    Q_OBJECT

public:
    CDlgFiveYearRanking(QWidget* parent, CWorld& world, int languageSlot,
                        ChangeJournal::OpenChange& change);

    // Opens the change editor for the selected country; the list is ranked anew after it.
    void ChangeSelected();

    const std::vector<RankingLine>& Lines() const { return lines_; }
    CMyListBox& List() const { return *list_; }
    QPushButton& ChangeButton() const { return *change_; }
    // The country of the selected line; 0 when none is selected.
    int SelectedCountry() const;

private:
    // Ranks the countries anew and selects the line of `country` (none for 0).
    void ShowLines(int country);
    void UpdateButtons();

    CWorld& world_;
    int languageSlot_;
    ChangeJournal::OpenChange& openChange_;
    std::vector<RankingLine> lines_;
    CMyListBox* list_ = nullptr;
    QPushButton* change_ = nullptr;
};

// Shows the five-year ranking of `world`, names in `languageSlot`. The countries are changed
// in place: each is included in `change` before it is first changed; the caller commits or
// abandons the change.
void RunFiveYearRanking(QWidget* owner, CWorld& world, int languageSlot,
                        ChangeJournal::OpenChange& change);

} // namespace tallo
