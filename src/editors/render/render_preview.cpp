#include "editors/render/render_preview.h"

#include "assets/renderer_values.h"
#include "formats/dialog_text.h"

#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QString>
#include <QVBoxLayout>

namespace tallo {

namespace {

QString Text(DialogTextKey key) {
    return QString::fromStdString(DialogText(key));
}

} // namespace

CRenderPreview::CRenderPreview(const ClubKit& kit, QWidget* parent)
    : QWidget(parent), subject_(Subject::Kit), kit_(kit) {
    Build();
}

CRenderPreview::CRenderPreview(const ClubKit& kit,
                               const std::array<uint32_t, TALLO_LOOK_SIZE>& looks, QWidget* parent)
    : QWidget(parent), subject_(Subject::Head), kit_(kit), looks_(looks) {
    Build();
}

CRenderPreview::~CRenderPreview() {
    if (showing_) {
        manager_->StopFrameTimer();
        manager_->Place(nullptr);
    }
}

QWidget* CRenderPreview::Picture() const {
    return picture_;
}

void CRenderPreview::Build() {
    setWindowTitle(Text(subject_ == Subject::Kit ? DialogTextKey("render.preview.kit.title")
                                                 : DialogTextKey("render.preview.head.title")));
    auto* layout = new QHBoxLayout(this);
    picture_ = new QFrame(this);
    picture_->setFrameShape(QFrame::StyledPanel);
    picture_->setMinimumSize(200, 240);
    picture_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    auto* pictureLayout = new QVBoxLayout(picture_);
    unavailable_ = new QLabel(Text("render.preview.unavailable"), picture_);
    unavailable_->setWordWrap(true);
    unavailable_->setAlignment(Qt::AlignCenter);
    unavailable_->setVisible(!manager_->IsReady());
    pictureLayout->addWidget(unavailable_);
    layout->addWidget(picture_, 1);

    form_ = new QFormLayout();
    if (subject_ == Subject::Kit) {
        kitChoice_ = new QComboBox(this);
        kitChoice_->addItem(Text("render.preview.kit.first"));
        kitChoice_->addItem(Text("render.preview.kit.second"));
        form_->addRow(Text("render.preview.kit"), kitChoice_);
        connect(kitChoice_, &QComboBox::currentIndexChanged, this,
                [this](int index) { ShowKit(index); });
    } else {
        AddLookSpin(TALLO_LOOK_FACE_TYPE, Text("render.preview.face_type"), 1, 25);
        AddLookSpin(TALLO_LOOK_HAIR_COLOUR, Text("render.preview.hair_colour"), 1, 5);
        AddLookSpin(TALLO_LOOK_HAIR_STYLE, Text("render.preview.hair_style"), 0, 10);
        AddLookSpin(TALLO_LOOK_BEARD, Text("render.preview.beard"), 0, 6);
    }
    layout->addLayout(form_);
}

void CRenderPreview::AddLookSpin(int index, const QString& label, int minimum, int maximum) {
    auto* spin = new QSpinBox(this);
    spin->setRange(minimum, maximum);
    spin->setValue(static_cast<int>(looks_[static_cast<size_t>(index)]));
    form_->addRow(label, spin);
    lookSpins_[static_cast<size_t>(index)] = spin;
    connect(spin, &QSpinBox::valueChanged, this, [this, index](int value) {
        std::array<uint32_t, TALLO_LOOK_SIZE> looks = looks_;
        looks[static_cast<size_t>(index)] = static_cast<uint32_t>(value);
        SetLooks(looks);
    });
}

void CRenderPreview::ShowKit(int kit) {
    shownKit_ = kit == 1 ? 1 : 0;
    if (kitChoice_ != nullptr && kitChoice_->currentIndex() != shownKit_) {
        kitChoice_->setCurrentIndex(shownKit_);
    }
    if (showing_) {
        manager_->ChangeKit(RendererKitBlock(kit_, shownKit_), RendererKitData(kit_));
    }
}

void CRenderPreview::SetKit(const ClubKit& kit) {
    kit_ = kit;
    if (showing_ && subject_ == Subject::Kit) {
        manager_->ChangeKit(RendererKitBlock(kit_, shownKit_), RendererKitData(kit_));
    }
}

void CRenderPreview::SetKitChoiceVisible(bool visible) {
    if (kitChoice_ != nullptr) {
        form_->setRowVisible(kitChoice_, visible);
    }
}

void CRenderPreview::SetLooks(const std::array<uint32_t, TALLO_LOOK_SIZE>& looks) {
    looks_ = looks;
    for (size_t i = 0; i < lookSpins_.size(); ++i) {
        if (lookSpins_[i] != nullptr && lookSpins_[i]->value() != static_cast<int>(looks_[i])) {
            QSignalBlocker block(lookSpins_[i]);
            lookSpins_[i]->setValue(static_cast<int>(looks_[i]));
        }
    }
    if (showing_) {
        manager_->SetHead(RendererHeadColours(kit_), looks_);
    }
}

void CRenderPreview::SetHeadKit(const ClubKit& kit) {
    kit_ = kit;
    if (showing_ && subject_ == Subject::Head) {
        manager_->SetHead(RendererHeadColours(kit_), looks_);
    }
}

void CRenderPreview::SetLookSpinsVisible(bool visible) {
    for (QSpinBox* spin : lookSpins_) {
        if (spin != nullptr) {
            form_->setRowVisible(spin, visible);
        }
    }
}

void CRenderPreview::SendSubject() {
    if (subject_ == Subject::Kit) {
        manager_->SetBackground(CRenderManager::kKitBackground);
        const TalloKitSelection selection{shownKit_};
        manager_->SetKit(selection, RendererKitData(kit_));
    } else {
        manager_->SetBackground(CRenderManager::kLookBackground);
        manager_->SetHead(RendererHeadColours(kit_), looks_);
    }
}

void CRenderPreview::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!manager_->IsReady()) {
        return;
    }
    showing_ = true;
    manager_->Place(picture_);
    SendSubject();
    manager_->StartFrameTimer();
}

void CRenderPreview::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (showing_) {
        showing_ = false;
        manager_->StopFrameTimer();
        manager_->Place(nullptr);
    }
}

} // namespace tallo
