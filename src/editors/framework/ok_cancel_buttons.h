#pragma once

class QDialog;
class QDialogButtonBox;
class QPushButton;

namespace tallo {

// The OK and cancel buttons of a dialog, named in the interface language: OK accepts the
// dialog and cancel rejects it (through the dialog's own accept and reject).
QDialogButtonBox* MakeOkCancelButtons(QDialog& dialog);
QPushButton* OkButtonOf(QDialogButtonBox& buttons);

} // namespace tallo
