#include "editors/framework/ok_cancel_buttons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

#include "editors/framework/qt_text.h"

namespace tallo {

QDialogButtonBox* MakeOkCancelButtons(QDialog& dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(UiText("framework.button.ok"));
    buttons->button(QDialogButtonBox::Cancel)->setText(UiText("framework.button.cancel"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&dialog] { dialog.accept(); });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, [&dialog] { dialog.reject(); });
    return buttons;
}

QPushButton* OkButtonOf(QDialogButtonBox& buttons) {
    return buttons.button(QDialogButtonBox::Ok);
}

} // namespace tallo
