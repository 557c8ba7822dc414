#include "editors/player/dlg_player_look.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>

#include "editors/framework/my_group_box.h"
#include "editors/framework/qt_text.h"
#include "editors/render/render_preview.h"
#include "formats/dialog_text.h"
#include "formats/per_language_tables.h"
#include "world/club.h"

namespace tallo {

namespace {

QString Text(DialogTextKey key) {
    return ToQString(DialogText(key));
}

void Select(QComboBox& box, const std::vector<LookChoice>& choices, int value) {
    box.setCurrentIndex(LookChoiceIndex(choices, value));
}

} // namespace

CDlgPlayerLook::CDlgPlayerLook(QWidget* parent, const PersonEditContext& context)
    : CDialogB(parent, Kind::ChildPage),
      model_(context, &GlobalLanguageTables().Faces(), &GlobalLanguageTables().Shoes()) {
    setWindowTitle(Text("look.title"));
    auto* layout = new QGridLayout(this);

    auto* faceBox = new CMyGroupBox(Text("look.group.face"), this);
    auto* faceForm = new QFormLayout(faceBox);
    specialFace_ = AddList(model_.SpecialFaces(), &PlayerLookPageModel::SetSpecialFace);
    faceType_ = AddList(model_.FaceTypes(), &PlayerLookPageModel::SetFaceType);
    hairColour_ = AddList(model_.HairColours(), &PlayerLookPageModel::SetHairColour);
    hairStyle_ = AddList(model_.HairStyles(), &PlayerLookPageModel::SetHairStyle);
    beard_ = AddList(model_.Beards(), &PlayerLookPageModel::SetBeard);
    faceForm->addRow(Text("look.special_face"), specialFace_);
    faceForm->addRow(Text("look.face_type"), faceType_);
    faceForm->addRow(Text("look.hair_colour"), hairColour_);
    faceForm->addRow(Text("look.hair_style"), hairStyle_);
    faceForm->addRow(Text("look.beard"), beard_);
    layout->addWidget(faceBox, 0, 0);

    auto* bodyBox = new CMyGroupBox(Text("look.group.body"), this);
    auto* bodyForm = new QFormLayout(bodyBox);
    shoeType_ = AddList(model_.ShoeTypes(), &PlayerLookPageModel::SetShoeType);
    bodyForm->addRow(Text("look.shoe_type"), shoeType_);

    height_ = new QSpinBox(bodyBox);
    height_->setRange(PlayerLookPageModel::kMinHeight, PlayerLookPageModel::kMaxHeight);
    heightImperial_ = new QLabel(bodyBox);
    heightImperial_->setMinimumWidth(110);
    auto* heightRow = new QHBoxLayout();
    heightRow->addWidget(height_);
    heightRow->addWidget(heightImperial_, 1);
    bodyForm->addRow(Text("look.height"), heightRow);

    weight_ = new QSpinBox(bodyBox);
    weight_->setRange(PlayerLookPageModel::kMinWeight, PlayerLookPageModel::kMaxWeight);
    weightImperial_ = new QLabel(bodyBox);
    weightImperial_->setMinimumWidth(110);
    auto* weightRow = new QHBoxLayout();
    weightRow->addWidget(weight_);
    weightRow->addWidget(weightImperial_, 1);
    bodyForm->addRow(Text("look.weight"), weightRow);

    longSleeves_ = new QCheckBox(Text("look.long_sleeves"), bodyBox);
    bodyForm->addRow(longSleeves_);
    layout->addWidget(bodyBox, 1, 0);
    layout->setRowStretch(2, 1);

    preview_ = new CRenderPreview(ClubKit(), model_.LookValues(), this);
    preview_->SetLookSpinsVisible(false);
    layout->addWidget(preview_, 0, 1, 3, 1);
    layout->setColumnStretch(1, 1);

    connect(height_, &QSpinBox::valueChanged, this, [this](int value) {
        if (!filling_) {
            model_.SetHeight(value);
            ShowImperial();
        }
    });
    connect(weight_, &QSpinBox::valueChanged, this, [this](int value) {
        if (!filling_) {
            model_.SetWeight(value);
            ShowImperial();
        }
    });
    connect(longSleeves_, &QCheckBox::toggled, this, [this](bool on) {
        if (!filling_) {
            model_.SetLongSleeves(on);
        }
    });
    SetPerson(nullptr);
}

QComboBox* CDlgPlayerLook::AddList(const std::vector<LookChoice>& choices,
                                   void (PlayerLookPageModel::*set)(int)) {
    auto* box = new QComboBox(this);
    for (const LookChoice& choice : choices) {
        box->addItem(ToQString(choice.name), choice.value);
    }
    connect(box, &QComboBox::currentIndexChanged, this, [this, box, set](int index) {
        if (filling_ || index < 0) {
            return;
        }
        (model_.*set)(box->itemData(index).toInt());
        UpdatePreview();
    });
    return box;
}

void CDlgPlayerLook::SetPerson(CPlayer* person) {
    model_.SetPerson(person);
    setEnabled(person != nullptr);
    preview_->SetHeadKit(model_.Club() != nullptr ? model_.Club()->Kit() : ClubKit());
    ShowValues();
}

void CDlgPlayerLook::StorePerson() {
    model_.Store();
}

void CDlgPlayerLook::ShowValues() {
    filling_ = true;
    const PlayerLookPageModel::Looks& looks = model_.Values();
    const bool any = model_.Person() != nullptr;
    Select(*specialFace_, model_.SpecialFaces(), any ? looks.specialFace : -1);
    Select(*faceType_, model_.FaceTypes(), looks.faceType);
    Select(*hairColour_, model_.HairColours(), looks.hairColour);
    Select(*hairStyle_, model_.HairStyles(), looks.hairStyle);
    Select(*beard_, model_.Beards(), looks.beard);
    Select(*shoeType_, model_.ShoeTypes(), any ? looks.shoeType : -1);
    height_->setValue(looks.height);
    weight_->setValue(looks.weight);
    longSleeves_->setChecked(looks.longSleeves);
    filling_ = false;
    ShowImperial();
    UpdatePreview();
}

void CDlgPlayerLook::ShowImperial() {
    heightImperial_->setText(ToQString(model_.HeightImperial()));
    weightImperial_->setText(ToQString(model_.WeightImperial()));
}

void CDlgPlayerLook::UpdatePreview() {
    preview_->SetLooks(model_.LookValues());
}

} // namespace tallo
