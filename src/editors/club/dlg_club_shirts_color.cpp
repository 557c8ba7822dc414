#include "editors/club/dlg_club_shirts_color.h"

#include "editors/framework/my_slider_control.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tallo {

namespace {

QString Text(DialogTextKey key) {
    return ToQString(DialogText(key));
}

} // namespace

CDlgClubShirtsColor::CDlgClubShirtsColor(QWidget* parent, const KitColour& colour,
                                         const QString& part)
    : CDialogB(parent), model_(colour) {
    setWindowTitle(ToQString(FormatDialogText("kit.colour.caption", FromQString(part).c_str())));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout();
    const DialogTextKey names[3] = {"kit.colour.red", "kit.colour.green", "kit.colour.blue"};
    for (int channel = 0; channel < 3; ++channel) {
        auto* label = new QLabel(Text(names[channel]), this);
        auto* slider = new CMySliderControl(Qt::Horizontal, this);
        slider->setRange(0, KitColour::kMaxChannel);
        slider->setPageStep(8);
        slider->setMinimumWidth(200);
        auto* spin = new QSpinBox(this);
        spin->setRange(0, KitColour::kMaxChannel);
        label->setBuddy(spin);
        grid->addWidget(label, channel, 0);
        grid->addWidget(slider, channel, 1);
        grid->addWidget(spin, channel, 2);
        sliders_[static_cast<size_t>(channel)] = slider;
        spins_[static_cast<size_t>(channel)] = spin;
        connect(slider, &QSlider::valueChanged, this,
                [this, channel](int value) { SetChannel(channel, value); });
        connect(spin, &QSpinBox::valueChanged, this,
                [this, channel](int value) { SetChannel(channel, value); });
    }
    swatch_ = new QFrame(this);
    swatch_->setFrameShape(QFrame::Box);
    swatch_->setMinimumSize(72, 72);
    swatch_->setAutoFillBackground(true);
    grid->addWidget(swatch_, 0, 3, 3, 1);
    layout->addLayout(grid);
    auto* range = new QLabel(Text("kit.colour.range"), this);
    layout->addWidget(range);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(Text("framework.button.ok"), QDialogButtonBox::AcceptRole);
    buttons->addButton(Text("framework.button.cancel"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    Show();
}

void CDlgClubShirtsColor::SetChannel(int channel, int value) {
    model_.SetChannel(channel, value);
    Show();
}

void CDlgClubShirtsColor::Show() {
    for (int channel = 0; channel < 3; ++channel) {
        const int value = model_.Channel(channel);
        CMySliderControl* slider = sliders_[static_cast<size_t>(channel)];
        QSpinBox* spin = spins_[static_cast<size_t>(channel)];
        if (slider->value() != value) {
            const QSignalBlocker block(slider);
            slider->setValue(value);
        }
        if (spin->value() != value) {
            const QSignalBlocker block(spin);
            spin->setValue(value);
        }
    }
    QPalette palette = swatch_->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(model_.Colour().Rgb()));
    swatch_->setPalette(palette);
}

} // namespace tallo
