#pragma once

#include <memory>

#include "editing/country/calendar_model.h"
#include "editors/framework/dialog_b.h"

class QButtonGroup;
class QComboBox;
class QPushButton;
class QRadioButton;
class QTableView;

namespace tallo {

class CalendarTableModel;
class CDlgErrorMessage;
struct CountryEditContext;

// The calendar editor of a country: the season's days as rows, the country's leagues and
// cups as columns; a click on a competition's day sets or clears its matchday there (by the
// edit mode also for the other leagues). Month buttons bring a month into view, the compare
// box adds the top league of another country. OK checks every competition and reports the
// problems in the error window; the changes stay either way. Cancel and Escape put the
// calendars back as they were when the editor opened.
class CDlgCalendar : public CDialogB {
    Q_OBJECT

public:
    CDlgCalendar(const CountryEditContext& context, QWidget* parent = nullptr);
    ~CDlgCalendar() override;

    CalendarModel& Model() { return model_; }
    QTableView& Table() const { return *table_; }
    QPushButton& MonthButton(int month) const { return *months_[month - 1]; }
    QComboBox& CompareBox() const { return *compare_; }
    QRadioButton& ModeButton(CalendarModel::EditMode mode) const;
    QPushButton& OkButton() const { return *ok_; }

    // A click on a cell (as the table forwards it).
    void ClickCell(int row, int column);
    // Brings the first day of a month (1 to 12) to the top of the table.
    void ShowMonth(int month);

    // The error window for the problems OK found; nullptr when there are none. Its buttons are
    // "OK" and "Не важно" and both close it.
    static std::unique_ptr<CDlgErrorMessage> MakeProblemWindow(const CalendarModel::Report& report,
                                                               QWidget* parent);

public slots:
    void accept() override;
    void reject() override;

private:
    void SetColumnWidths();
    void AddCompareColumn(int index);

    CalendarModel model_;
    CalendarTableModel* cells_ = nullptr;
    QTableView* table_ = nullptr;
    QPushButton* months_[12] = {};
    QComboBox* compare_ = nullptr;
    QButtonGroup* modes_ = nullptr;
    QPushButton* ok_ = nullptr;
};

// Runs the calendar editor over the country of the context; true when a calendar changed.
bool RunCalendarEditor(QWidget* owner, const CountryEditContext& context);

} // namespace tallo
