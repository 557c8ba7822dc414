#include "editors/club/dlg_club_shirts.h"

#include "editors/club/dlg_club_shirts_color.h"
#include "editors/framework/my_group_box.h"
#include "editors/framework/qt_text.h"
#include "editors/render/render_preview.h"
#include "formats/dialog_text.h"
#include "world/club.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tallo {

namespace {

QString Text(DialogTextKey key) {
    return ToQString(DialogText(key));
}

constexpr DialogTextKey kStyleNames[3] = {"kit.style.shirt", "kit.style.shorts", "kit.style.socks"};
constexpr DialogTextKey kColourNames[KitPageModel::kColourCount] = {
    "kit.colour.shirt", "kit.colour.shirt_pattern", "kit.colour.shorts", "kit.colour.socks"};

QIcon Swatch(const QColor& colour) {
    QPixmap pixmap(28, 16);
    pixmap.fill(colour);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

} // namespace

// The kits need nothing of the editor around them beyond the club itself.
CDlgClubShirts::CDlgClubShirts(QWidget* parent, const ClubEditContext&)
    : CDialogB(parent, Kind::ChildPage) {
    auto* layout = new QHBoxLayout(this);
    auto* controls = new QVBoxLayout();

    auto* kitGroup = new CMyGroupBox(Text("kit.kit"), this);
    auto* kitLayout = new QHBoxLayout(kitGroup);
    auto* kitChoice = new QButtonGroup(this);
    const DialogTextKey kitNames[2] = {"kit.first", "kit.second"};
    for (int kit = 0; kit < 2; ++kit) {
        auto* button = new QRadioButton(Text(kitNames[kit]), kitGroup);
        kitChoice->addButton(button, kit);
        kitLayout->addWidget(button);
        kitButtons_[static_cast<size_t>(kit)] = button;
    }
    kitButtons_[0]->setChecked(true);
    connect(kitChoice, &QButtonGroup::idToggled, this, [this](int kit, bool checked) {
        if (checked) {
            ShowKit(kit);
        }
    });
    controls->addWidget(kitGroup);

    auto* styleGroup = new CMyGroupBox(Text("kit.styles"), this);
    auto* styleLayout = new QFormLayout(styleGroup);
    for (int slot = 0; slot < 3; ++slot) {
        auto* spin = new QSpinBox(styleGroup);
        spin->setRange(0, KitPageModel::MaxStyle(slot));
        styleLayout->addRow(Text(kStyleNames[slot]), spin);
        styles_[static_cast<size_t>(slot)] = spin;
        connect(spin, &QSpinBox::valueChanged, this, [this, slot](int value) {
            if (model_.SetStyle(slot, value)) {
                KitChanged();
            }
        });
    }
    controls->addWidget(styleGroup);

    auto* colourGroup = new CMyGroupBox(Text("kit.colours"), this);
    auto* colourLayout = new QFormLayout(colourGroup);
    for (int slot = 0; slot < KitPageModel::kColourCount; ++slot) {
        auto* button = new QPushButton(colourGroup);
        button->setIconSize(QSize(28, 16));
        button->setMinimumWidth(130);
        colourLayout->addRow(Text(kColourNames[slot]), button);
        colours_[static_cast<size_t>(slot)] = button;
        connect(button, &QPushButton::clicked, this, [this, slot] { EditColour(slot); });
    }
    controls->addWidget(colourGroup);
    controls->addStretch(1);
    layout->addLayout(controls);

    auto* previewGroup = new CMyGroupBox(Text("kit.preview"), this);
    auto* previewLayout = new QVBoxLayout(previewGroup);
    preview_ = new CRenderPreview(model_.Kit(), previewGroup);
    preview_->SetKitChoiceVisible(false);
    previewLayout->addWidget(preview_);
    layout->addWidget(previewGroup, 1);

    Show();
}

void CDlgClubShirts::FillFrom(const CClub& club) {
    model_.Fill(club);
    preview_->SetKit(model_.Kit());
    Show();
}

void CDlgClubShirts::StoreInto(CClub& club) {
    model_.Store(club);
}

void CDlgClubShirts::ShowKit(int kit) {
    model_.SetShownKit(kit);
    preview_->ShowKit(model_.ShownKit());
    Show();
}

void CDlgClubShirts::EditColour(int slot) {
    if (slot < 0 || slot >= KitPageModel::kColourCount) {
        return;
    }
    CDlgClubShirtsColor dialog(this, model_.Colour(slot), Text(kColourNames[slot]));
    if (dialog.exec() == QDialog::Accepted && model_.SetColour(slot, dialog.Colour())) {
        KitChanged();
    }
}

void CDlgClubShirts::KitChanged() {
    preview_->SetKit(model_.Kit());
    Show();
}

void CDlgClubShirts::Show() {
    const int shown = model_.ShownKit();
    if (!kitButtons_[static_cast<size_t>(shown)]->isChecked()) {
        const QSignalBlocker block(kitButtons_[static_cast<size_t>(shown)]);
        kitButtons_[static_cast<size_t>(shown)]->setChecked(true);
    }
    for (int slot = 0; slot < 3; ++slot) {
        QSpinBox* spin = styles_[static_cast<size_t>(slot)];
        const QSignalBlocker block(spin);
        spin->setValue(model_.Style(slot));
    }
    for (int slot = 0; slot < KitPageModel::kColourCount; ++slot) {
        const KitColour colour = model_.Colour(slot);
        QPushButton* button = colours_[static_cast<size_t>(slot)];
        button->setIcon(Swatch(QColor::fromRgb(colour.Rgb())));
        button->setText(ToQString(
            FormatDialogText("kit.colour.value", colour.Red(), colour.Green(), colour.Blue())));
    }
}

} // namespace tallo
