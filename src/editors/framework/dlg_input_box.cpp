#include "editors/framework/ok_cancel_buttons.h"
#include "editors/framework/dlg_input_box.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editors/framework/qt_text.h"

namespace tallo {

namespace {

constexpr qsizetype kMaxSetupCharacters = 4095;

} // namespace

InputBoxTexts SplitInputBoxText(const QString& setup) {
    const QString text = setup.left(kMaxSetupCharacters);
    InputBoxTexts parts;
    const qsizetype first = text.indexOf(QLatin1Char('\t'));
    if (first < 0) {
        parts.caption = text;
        return parts;
    }
    parts.caption = text.left(first);
    const qsizetype second = text.indexOf(QLatin1Char('\t'), first + 1);
    if (second < 0) {
        parts.prompt = text.mid(first + 1);
        return parts;
    }
    parts.prompt = text.mid(first + 1, second - first - 1);
    parts.proposed = text.mid(second + 1);
    return parts;
}

CDlgInputBox::CDlgInputBox(int entry, QWidget* parent, int maxLength) : CDialogB(parent) {
    Build(SplitInputBoxText(NumberedText(entry)), maxLength);
}

CDlgInputBox::CDlgInputBox(const QString& setup, QWidget* parent, int maxLength)
    : CDialogB(parent) {
    Build(SplitInputBoxText(setup), maxLength);
}

void CDlgInputBox::Build(const InputBoxTexts& texts, int maxLength) {
    setWindowTitle(texts.caption.isEmpty() ? UiText("framework.input.caption") : texts.caption);
    prompt_ = new QLabel(texts.prompt, this);
    prompt_->setWordWrap(true);
    field_ = new QLineEdit(this);
    prompt_->setBuddy(field_);
    if (maxLength > 0) {
        field_->setMaxLength(maxLength);
    }
    field_->setText(texts.proposed);

    QDialogButtonBox* buttons = MakeOkCancelButtons(*this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 12);
    layout->setSpacing(8);
    layout->addWidget(prompt_);
    layout->addWidget(field_);
    layout->addSpacing(4);
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

std::optional<QString> CDlgInputBox::Ask() {
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return Text();
}

QString CDlgInputBox::Text() const {
    return field_->text();
}

void CDlgInputBox::showEvent(QShowEvent* event) {
    CDialogB::showEvent(event);
    field_->setFocus();
    field_->selectAll();
}

} // namespace tallo
