#pragma once

#include <QAbstractTableModel>

namespace tallo {

class CalendarModel;

// The calendar of the calendar editor as a Qt item model over CalendarModel: 360 rows, one
// column per calendar column, the cells drawn from the calendar (no widget per cell).
class CalendarTableModel : public QAbstractTableModel {
public:
    explicit CalendarTableModel(CalendarModel& calendar, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Every cell is read again (after a toggle); a new column (a compared league) too.
    void RefreshCells();
    void RefreshColumns();

private:
    CalendarModel& calendar_;
};

} // namespace tallo
