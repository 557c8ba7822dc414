#include "editors/country/calendar_table_model.h"

#include <QBrush>
#include <QColor>
#include <QFont>

#include "editing/country/calendar_days.h"
#include "editing/country/calendar_model.h"
#include "editors/framework/qt_text.h"

namespace tallo {

namespace {

using Kind = CalendarModel::ColumnKind;

QColor MatchdayColour(Kind kind) {
    switch (kind) {
    case Kind::League:
        return QColor(0x9c, 0xd6, 0x8f);
    case Kind::Cup:
        return QColor(0x8f, 0xb8, 0xe6);
    case Kind::Compare:
        return QColor(0xd9, 0xc2, 0x8c);
    default:
        return QColor();
    }
}

} // namespace

CalendarTableModel::CalendarTableModel(CalendarModel& calendar, QObject* parent)
    : QAbstractTableModel(parent), calendar_(calendar) {}

int CalendarTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : calendar_.RowCount();
}

int CalendarTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : calendar_.ColumnCount();
}

QVariant CalendarTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return QVariant();
    }
    const int column = index.column();
    const int day = index.row();
    const Kind kind = calendar_.ColumnAt(column).kind;
    switch (role) {
    case Qt::DisplayRole:
        return ToQString(calendar_.CellText(column, day));
    case Qt::ToolTipRole: {
        QString tip = ToQString(SeasonDays::DayText(day));
        if (kind != Kind::Date) {
            tip = ToQString(calendar_.ColumnAt(column).heading) + QStringLiteral("\n") + tip;
        }
        return tip;
    }
    case Qt::TextAlignmentRole:
        return kind == Kind::Date ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                  : QVariant(Qt::AlignCenter);
    case Qt::BackgroundRole:
        if (kind == Kind::Date) {
            return SeasonDays::IsWeekend(day) ? QBrush(QColor(0xe4, 0xe4, 0xe4)) : QVariant();
        }
        if (kind == Kind::InternationalCodes) {
            return calendar_.CellText(column, day).empty() ? QVariant()
                                                           : QBrush(QColor(0xf2, 0xd4, 0x8a));
        }
        return calendar_.IsMatchday(column, day) ? QBrush(MatchdayColour(kind)) : QVariant();
    case Qt::ForegroundRole:
        return QBrush(QColor(Qt::black));
    default:
        return QVariant();
    }
}

QVariant CalendarTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && section >= 0 && section < calendar_.ColumnCount()) {
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
            return ToQString(calendar_.ColumnAt(section).heading);
        }
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags CalendarTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void CalendarTableModel::RefreshCells() {
    if (rowCount() > 0 && columnCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }
}

void CalendarTableModel::RefreshColumns() {
    beginResetModel();
    endResetModel();
}

} // namespace tallo
