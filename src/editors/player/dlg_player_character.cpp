#include "editors/player/dlg_player_character.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "editors/framework/my_group_box.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"

namespace tallo {

namespace {

QString Text(DialogTextKey key) {
    return ToQString(DialogText(key));
}

} // namespace

CDlgPlayerCharacter::CDlgPlayerCharacter(QWidget* parent) : CDialogB(parent, Kind::ChildPage) {
    auto* layout = new QGridLayout(this);

    auto* traitsBox = new CMyGroupBox(Text("person.character.traits"), this);
    auto* grid = new QGridLayout(traitsBox);
    for (int trait = 0; trait < CPlayer::kTraitCount; ++trait) {
        const size_t index = static_cast<size_t>(trait);
        grid->addWidget(
            new QLabel(ToQString(PlayerCharacterPageModel::TraitName(trait)), traitsBox), trait, 0);
        auto* bar = new QScrollBar(Qt::Horizontal, traitsBox);
        bar->setRange(0, PlayerCharacterPageModel::TraitMaximum(trait));
        bar->setPageStep(1);
        bar->setMinimumWidth(120);
        grid->addWidget(bar, trait, 1);
        texts_[index] = new QLabel(traitsBox);
        texts_[index]->setMinimumWidth(160);
        grid->addWidget(texts_[index], trait, 2);
        bars_[index] = bar;
        connect(bar, &QScrollBar::valueChanged, this, [this, trait](int value) {
            if (!filling_) {
                model_.SetTrait(trait, value);
                ShowTexts();
            }
        });
    }
    auto* hint = new QLabel(Text("person.character.hint"), traitsBox);
    hint->setWordWrap(true);
    grid->addWidget(hint, CPlayer::kTraitCount, 0, 1, 3);
    unusual_ = new QLabel(traitsBox);
    grid->addWidget(unusual_, CPlayer::kTraitCount + 1, 0, 1, 3);
    layout->addWidget(traitsBox, 0, 0);

    auto* notesBox = new CMyGroupBox(Text("person.character.notes"), this);
    auto* notesLayout = new QGridLayout(notesBox);
    notes_ = new QPlainTextEdit(notesBox);
    notes_->setMinimumHeight(80);
    notesLayout->addWidget(notes_, 0, 0);
    layout->addWidget(notesBox, 1, 0);
    layout->setRowStretch(1, 1);
    connect(notes_, &QPlainTextEdit::textChanged, this, [this] {
        if (!filling_) {
            model_.SetNotes(QStringToRecord(notes_->toPlainText()));
        }
    });
    SetPerson(nullptr);
}

void CDlgPlayerCharacter::SetPerson(CPlayer* person) {
    model_.SetPerson(person);
    setEnabled(person != nullptr);
    ShowValues();
}

void CDlgPlayerCharacter::StorePerson() {
    model_.Store();
}

void CDlgPlayerCharacter::ShowValues() {
    filling_ = true;
    for (int trait = 0; trait < CPlayer::kTraitCount; ++trait) {
        TraitBar(trait).setValue(model_.Trait(trait));
    }
    notes_->setPlainText(RecordToQString(model_.Notes()));
    filling_ = false;
    ShowTexts();
}

void CDlgPlayerCharacter::ShowTexts() {
    const bool any = model_.Person() != nullptr;
    for (int trait = 0; trait < CPlayer::kTraitCount; ++trait) {
        TraitText(trait).setText(any ? ToQString(model_.TraitValueName(trait)) : QString());
    }
    unusual_->setText(
        any ? ToQString(FormatDialogText("person.character.unusual", model_.UnusualTraits()))
            : QString());
}

} // namespace tallo
