#include "editors/records/dlg_inter_comp_south_america.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "editing/records/inter_comp_model.h"
#include "editors/framework/my_group_box.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"

namespace tallo {

CDlgInterCompSouthAmerica::CDlgInterCompSouthAmerica(QWidget* parent, InterCompModel& model,
                                                     IRecordChoosers* choosers, int presetCountry)
    : CDialogB(parent, Kind::ChildPage), model_(model), choosers_(choosers),
      presetCountry_(presetCountry) {
    auto* layout = new QVBoxLayout(this);

    auto* namesBox = new CMyGroupBox(QString(), this);
    auto* names = new QGridLayout(namesBox);
    AddInterCompNameHeader(*names, 0, namesBox);
    names_ = AddInterCompNameRow(*names, 1, InterCompModel::kSouthAmericanCup, model_, namesBox);
    layout->addWidget(namesBox);

    auto* holderBox = new CMyGroupBox(ToQString(DialogText("intercomp.holder")), this);
    auto* holder = new QGridLayout(holderBox);
    holder_ = AddInterCompReferenceRow(*holder, 0, ToQString(DialogText("intercomp.holder.label")),
                                       holderBox);
    layout->addWidget(holderBox);
    note_ = MakeInterCompNote(this);
    layout->addWidget(note_);
    layout->addStretch(1);

    holder_.choose->setEnabled(choosers_ != nullptr);
    connect(holder_.choose, &QPushButton::clicked, this, [this] { ChooseHolder(); });
    connect(holder_.clear, &QPushButton::clicked, this, [this] {
        model_.ClearClub(InterCompModel::kSouthAmericanHolder);
        note_->clear();
        ShowValues();
    });
    ShowValues();
}

void CDlgInterCompSouthAmerica::ShowValues() {
    holder_.Show(model_.ClubText(InterCompModel::kSouthAmericanHolder));
}

void CDlgInterCompSouthAmerica::ChooseHolder() {
    if (choosers_ == nullptr) {
        return;
    }
    const int title = InterCompModel::kSouthAmericanHolder;
    if (model_.ChooseClub(title, *choosers_, presetCountry_) == InterCompModel::Choice::Cancelled) {
        return;
    }
    note_->setText(InterCompChoiceNote(model_, title));
    ShowValues();
}

} // namespace tallo
