#include "editors/country/dlg_land_youthplayer.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "editors/framework/my_group_box.h"
#include "editors/framework/my_list_box.h"
#include "editors/framework/qt_text.h"
#include "editors/framework/spin_edit_ctrl.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {

namespace {

using Model = YouthLooksPageModel;

// The lists as the page lays them out: column by column.
constexpr Model::List kOrder[] = {Model::kSkinColours, Model::kHairColours, Model::kBeards,
                                  Model::kHairStyles, Model::kFaceTypes};

} // namespace

CDlgLandYouthplayer::CDlgLandYouthplayer(QWidget* parent, const CountryEditContext& context)
    : CDialogB(parent, Kind::ChildPage), context_(context) {
    BuildLayout();
}

CCountry* CDlgLandYouthplayer::Country() const {
    return context_.EditedCountry();
}

void CDlgLandYouthplayer::BuildLayout() {
    auto* box = new CMyGroupBox(UiText("youth.group.looks"), this);
    auto* grid = new QGridLayout(box);
    int column = 0;
    for (Model::List list : kOrder) {
        auto* widget = new CMyListBox(box);
        widget->setSelectionMode(QAbstractItemView::MultiSelection);
        for (const Model::Item& item : Model::Items(list)) {
            widget->AddRow(ToQString(item.text), item.bit);
        }
        widget->setMinimumWidth(list == Model::kFaceTypes ? 190 : 150);
        lists_[list] = widget;
        auto* label = new QLabel(ToQString(Model::Label(list)), box);
        label->setBuddy(widget);
        grid->addWidget(label, 0, column);
        grid->addWidget(widget, 1, column);
        grid->setColumnStretch(column, list == Model::kFaceTypes ? 2 : 1);
        ++column;
    }
    grid->setRowStretch(1, 1);

    height_ = new CSpinEditCtrl(box);
    height_->SetIntegerRange(Model::kMinHeight, Model::kMaxHeight);
    weight_ = new CSpinEditCtrl(box);
    weight_->SetIntegerRange(Model::kMinWeight, Model::kMaxWeight);
    heightImperial_ = new QLabel(box);
    weightImperial_ = new QLabel(box);
    auto* sizes = new QHBoxLayout;
    auto* heightLabel = new QLabel(UiText("youth.label.height"), box);
    heightLabel->setBuddy(&height_->Edit());
    auto* weightLabel = new QLabel(UiText("youth.label.weight"), box);
    weightLabel->setBuddy(&weight_->Edit());
    sizes->addWidget(heightLabel);
    sizes->addWidget(height_);
    sizes->addWidget(heightImperial_);
    sizes->addSpacing(24);
    sizes->addWidget(weightLabel);
    sizes->addWidget(weight_);
    sizes->addWidget(weightImperial_);
    sizes->addStretch(1);
    grid->addLayout(sizes, 2, 0, 1, column);
    auto* hint = new QLabel(UiText("youth.hint"), box);
    hint->setWordWrap(true);
    grid->addWidget(hint, 3, 0, 1, column);
    // Any change of the numbers, typed, stepped or set, shows in the imperial texts.
    connect(&height_->Edit(), &QLineEdit::textChanged, this, &CDlgLandYouthplayer::ShowImperial);
    connect(&weight_->Edit(), &QLineEdit::textChanged, this, &CDlgLandYouthplayer::ShowImperial);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
}

void CDlgLandYouthplayer::ShowImperial() {
    heightImperial_->setText(ToQString(Model::HeightText(height_->IntegerValue())));
    weightImperial_->setText(ToQString(Model::WeightText(weight_->IntegerValue())));
}

void CDlgLandYouthplayer::FillCountry() {
    const CCountry* country = Country();
    if (country == nullptr) {
        return;
    }
    model_.Fill(*country);
    for (int which = 0; which < Model::kListCount; ++which) {
        QListWidget& list = *lists_[which];
        for (int row = 0; row < list.count(); ++row) {
            list.item(row)->setSelected(row < static_cast<int>(model_.selected[which].size()) &&
                                        model_.selected[which][static_cast<size_t>(row)]);
        }
    }
    height_->SetValue(model_.height);
    weight_->SetValue(model_.weight);
    ShowImperial();
}

void CDlgLandYouthplayer::StoreCountry() {
    CCountry* country = Country();
    if (country == nullptr) {
        return;
    }
    for (int which = 0; which < Model::kListCount; ++which) {
        QListWidget& list = *lists_[which];
        std::vector<bool>& marks = model_.selected[which];
        marks.assign(static_cast<size_t>(list.count()), false);
        for (int row = 0; row < list.count(); ++row) {
            marks[static_cast<size_t>(row)] = list.item(row)->isSelected();
        }
    }
    model_.height = height_->IntegerValue();
    model_.weight = weight_->IntegerValue();
    model_.Store(*country);
}

} // namespace tallo
