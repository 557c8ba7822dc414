#include "editors/records/record_list_layout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "editors/framework/my_list_box.h"

namespace tallo {

RecordListWidgets BuildRecordList(QWidget& page, QVBoxLayout& layout,
                                  const std::vector<ListColumn>& columns,
                                  const RecordListTexts& texts) {
    auto* headings = new CMyListBox(&page);
    headings->SetColumns(columns);
    headings->AddRow(texts.headings);
    headings->setFixedHeight(headings->sizeHintForRow(0) + 2 * headings->frameWidth());
    headings->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    headings->setSelectionMode(QAbstractItemView::NoSelection);
    headings->setFocusPolicy(Qt::NoFocus);
    layout.addWidget(headings);

    RecordListWidgets widgets;
    widgets.list = new CMyListBox(&page);
    widgets.list->SetColumns(columns);
    layout.addWidget(widgets.list, 1);

    auto* buttons = new QHBoxLayout;
    widgets.count = new QLabel(&page);
    buttons->addWidget(widgets.count);
    buttons->addStretch(1);
    widgets.add = new QPushButton(texts.add, &page);
    widgets.change = new QPushButton(texts.change, &page);
    widgets.remove = new QPushButton(texts.remove, &page);
    for (QPushButton* button : {widgets.add, widgets.change, widgets.remove}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    layout.addLayout(buttons);
    return widgets;
}

} // namespace tallo
