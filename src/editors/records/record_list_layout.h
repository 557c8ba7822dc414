#pragma once

#include <vector>

#include <QString>

#include "editors/framework/list_columns.h"

class QLabel;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace tallo {

class CMyListBox;

// The widgets of a page that lists a country's records: a heading row, the list, and below it
// the count with the new, change and delete buttons.
struct RecordListWidgets {
    CMyListBox* list = nullptr;
    QLabel* count = nullptr;
    QPushButton* add = nullptr;
    QPushButton* change = nullptr;
    QPushButton* remove = nullptr;
};

// Builds those widgets on `page` into `layout`. `headings` holds the column titles separated by
// tabs; the buttons never take Enter from the list.
struct RecordListTexts {
    QString headings;
    QString add;
    QString change;
    QString remove;
};
RecordListWidgets BuildRecordList(QWidget& page, QVBoxLayout& layout,
                                  const std::vector<ListColumn>& columns,
                                  const RecordListTexts& texts);

} // namespace tallo
