#include "editors/player/dlg_person_select.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "editing/player/person_chooser_model.h"
#include "editors/club/club_view_support.h"
#include "editors/framework/ok_cancel_buttons.h"
#include "editors/framework/my_list_box.h"
#include "editors/framework/qt_text.h"

namespace tallo {

CDlgPersonSelect::CDlgPersonSelect(std::unique_ptr<PersonChooserModel> model, QWidget* parent)
    : CDialogB(parent), model_(std::move(model)), countries_(new QComboBox(this)),
      clubs_(new QComboBox(this)), listCaption_(new QLabel(UiText("chooser.persons"), this)),
      list_(new CMyListBox(this)), ok_(nullptr) {
    setWindowTitle(UiText("chooser.person.caption"));
    countries_->setMaxVisibleItems(20);
    clubs_->setMaxVisibleItems(20);
    SetListColumns(2);
    list_->setMinimumSize(420, 300);

    auto* boxes = new QGridLayout;
    boxes->addWidget(new QLabel(UiText("chooser.country"), this), 0, 0);
    boxes->addWidget(countries_, 0, 1);
    boxes->addWidget(new QLabel(UiText("chooser.club"), this), 1, 0);
    boxes->addWidget(clubs_, 1, 1);
    boxes->setColumnStretch(1, 1);

    QDialogButtonBox* buttons = MakeOkCancelButtons(*this);
    ok_ = OkButtonOf(*buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(8);
    layout->addLayout(boxes);
    layout->addWidget(listCaption_);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);

    connect(countries_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!showing_) {
            model_->SelectCountry(index);
            ShowClubs();
        }
    });
    connect(clubs_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!showing_) {
            model_->SelectClub(index);
            ShowPersons();
        }
    });
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!showing_) {
            model_->SelectPerson(row);
            UpdateOk();
        }
    });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] {
        if (model_->Chosen()) {
            accept();
        }
    });

    ShowCountries();
    resize(480, 520);
}

CDlgPersonSelect::~CDlgPersonSelect() = default;

void CDlgPersonSelect::SetListCaption(const QString& caption) {
    listCaption_->setText(caption);
}

void CDlgPersonSelect::SetListColumns(int columns) {
    if (columns >= 5) {
        list_->SetColumns({{0, 170, Qt::AlignLeft},
                           {174, 210, Qt::AlignLeft},
                           {214, 330, Qt::AlignLeft},
                           {334, 370, Qt::AlignRight},
                           {374, 404, Qt::AlignRight}});
    } else {
        list_->SetColumns({{0, 240, Qt::AlignLeft}, {244, -1, Qt::AlignLeft}});
    }
}

std::optional<IRecordChoosers::ChosenPerson> CDlgPersonSelect::Chosen() const {
    return model_->Chosen();
}

void CDlgPersonSelect::ShowCountries() {
    FillRecordCombo(*countries_, model_->Countries(), model_->CountryIndex());
    ShowClubs();
}

void CDlgPersonSelect::ShowClubs() {
    FillRecordCombo(*clubs_, model_->Clubs(), model_->ClubIndex());
    ShowPersons();
}

void CDlgPersonSelect::ShowPersons() {
    showing_ = true;
    list_->clear();
    for (const PersonChooserModel::Row& row : model_->Persons()) {
        list_->AddRow(RecordToQString(row.text), static_cast<qulonglong>(row.person));
    }
    list_->setCurrentRow(model_->PersonIndex());
    if (QListWidgetItem* item = list_->currentItem()) {
        list_->scrollToItem(item);
    }
    showing_ = false;
    UpdateOk();
}

void CDlgPersonSelect::UpdateOk() {
    ok_->setEnabled(model_->Chosen().has_value());
}

std::optional<IRecordChoosers::ChosenPerson> ChoosePersonDialog(QWidget* parent, CWorld& world,
                                                                int languageSlot, int presetCountry,
                                                                uint32_t presetClub,
                                                                uint32_t presetPerson) {
    auto model = std::make_unique<PersonChooserModel>(world, languageSlot);
    model->Preset(presetCountry, presetClub, presetPerson);
    CDlgPersonSelect dialog(std::move(model), parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Chosen();
}

} // namespace tallo
