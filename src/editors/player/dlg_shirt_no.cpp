#include "editors/player/dlg_shirt_no.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

#include "editing/player/shirt_numbers_model.h"
#include "editors/framework/ok_cancel_buttons.h"
#include "editors/framework/my_list_box.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"
#include "world/club.h"

namespace tallo {

CDlgShirtNo::CDlgShirtNo(CWorld& world, const CClub& club, int languageSlot, QWidget* parent)
    : CDialogB(parent), model_(std::make_unique<ShirtNumbersModel>(world, club)),
      list_(new CMyListBox(this)), number_(new QSpinBox(this)),
      numberRest_(new QPushButton(UiText("squad.numbers.auto"), this)) {
    setWindowTitle(ToQString(FormatDialogText("squad.numbers.caption", "%1"))
                       .arg(RecordToQString(std::string(club.Name(languageSlot)))));

    auto* header = new QLabel(this);
    header->setText(UiText("squad.numbers.column.name") + QStringLiteral("  /  ") +
                    UiText("squad.numbers.column.position") + QStringLiteral("  /  ") +
                    UiText("squad.numbers.column.number"));
    list_->SetColumns(
        {{0, 220, Qt::AlignLeft}, {224, 270, Qt::AlignLeft}, {274, 310, Qt::AlignRight}});
    list_->setMinimumSize(330, 320);
    for (int row = 0; row < static_cast<int>(model_->Rows().size()); ++row) {
        list_->AddRow(RecordToQString(model_->RowText(row)),
                      static_cast<qulonglong>(model_->Rows()[static_cast<size_t>(row)].person));
    }

    number_->setRange(0, ShirtNumbersModel::kMaxNumber);
    // A number is given when it is complete (Enter, the arrows, leaving the field), not at each
    // digit typed: a swap happens once.
    number_->setKeyboardTracking(false);
    number_->setEnabled(false);

    auto* hint = new QLabel(UiText("squad.numbers.hint"), this);
    hint->setWordWrap(true);

    auto* numberRow = new QGridLayout;
    numberRow->addWidget(new QLabel(UiText("squad.numbers.number"), this), 0, 0);
    numberRow->addWidget(number_, 0, 1);
    numberRow->setColumnStretch(2, 1);
    numberRow->addWidget(numberRest_, 0, 3);

    QDialogButtonBox* buttons = MakeOkCancelButtons(*this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(8);
    layout->addWidget(header);
    layout->addWidget(list_, 1);
    layout->addLayout(numberRow);
    layout->addWidget(hint);
    layout->addWidget(buttons);

    connect(list_, &QListWidget::currentRowChanged, this, &CDlgShirtNo::OnRowChanged);
    connect(number_, &QSpinBox::valueChanged, this, &CDlgShirtNo::OnNumberChanged);
    connect(numberRest_, &QPushButton::clicked, this, [this] {
        model_->NumberTheRest();
        for (int row = 0; row < list_->count(); ++row) {
            ShowRow(row);
        }
        OnRowChanged(list_->currentRow());
    });
    if (list_->count() > 0) {
        list_->setCurrentRow(0);
    }
    resize(420, 520);
}

CDlgShirtNo::~CDlgShirtNo() = default;

void CDlgShirtNo::ShowRow(int row) {
    if (QListWidgetItem* item = list_->item(row)) {
        item->setText(RecordToQString(model_->RowText(row)));
    }
}

void CDlgShirtNo::OnRowChanged(int row) {
    showing_ = true;
    const bool valid = row >= 0 && row < static_cast<int>(model_->Rows().size());
    number_->setEnabled(valid);
    number_->setValue(valid ? std::min(model_->Rows()[static_cast<size_t>(row)].number,
                                       ShirtNumbersModel::kMaxNumber)
                            : 0);
    showing_ = false;
}

void CDlgShirtNo::OnNumberChanged(int number) {
    if (showing_) {
        return;
    }
    const int row = list_->currentRow();
    int swapped = -1;
    if (model_->SetNumber(row, number, &swapped)) {
        ShowRow(row);
        ShowRow(swapped);
    }
}

void CDlgShirtNo::accept() {
    // A number typed but not yet confirmed counts.
    number_->interpretText();
    model_->Store();
    CDialogB::accept();
}

} // namespace tallo
