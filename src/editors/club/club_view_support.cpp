#include "editors/club/club_view_support.h"

#include <QComboBox>
#include <QLineEdit>

#include "editing/club/club_choice_lists.h"
#include "editing/club/club_edit_context.h"
#include "editors/framework/dlg_error_single.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"
#include "platform/prompt.h"

namespace tallo {

void FillChoiceCombo(QComboBox& combo, const ChoiceField& field) {
    const QSignalBlocker blocker(combo);
    combo.clear();
    for (const ChoiceEntry& entry : field.entries) {
        combo.addItem(entry.value == 0 ? ToQString(DialogText("club.choice.none"))
                                       : RecordToQString(entry.text),
                      QVariant::fromValue(entry.value));
    }
    combo.setCurrentIndex(field.selected);
}

void FillRecordCombo(QComboBox& combo, const std::vector<ChoiceEntry>& entries, int current) {
    const QSignalBlocker blocker(combo);
    combo.clear();
    for (const ChoiceEntry& entry : entries) {
        combo.addItem(RecordToQString(entry.text), QVariant::fromValue(entry.value));
    }
    combo.setCurrentIndex(current);
}

void ReadChoiceCombo(const QComboBox& combo, ChoiceField& field) {
    if (combo.currentIndex() >= 0 || field.selected < 0) {
        field.Select(combo.currentIndex());
    }
}

void SetRecordText(QLineEdit& edit, const std::string& text, size_t maxLength) {
    edit.setMaxLength(static_cast<int>(maxLength));
    edit.setText(RecordToQString(text));
    edit.setCursorPosition(0);
}

std::string RecordTextOr(const QString& typed, const std::string& fallback,
                         const std::string& label, std::vector<std::string>& refusals) {
    if (RecordToQString(fallback) == typed) {
        return fallback;
    }
    if (!CanStoreAsRecordText(typed)) {
        refusals.push_back(FormatDialogText("club.refused.text", label.c_str()));
        return fallback;
    }
    return QStringToRecord(typed);
}

void ShowRefusals(QWidget* owner, const ClubEditContext& context,
                  const std::vector<std::string>& refusals) {
    if (refusals.empty()) {
        return;
    }
    std::string message;
    for (const std::string& line : refusals) {
        message += line + "\n";
    }
    if (context.prompt != nullptr) {
        context.prompt->ShowErrorWindow(DialogText("club.refused.title"), message);
        return;
    }
    CDlgErrorSingle window(owner);
    window.SetHeadline(ToQString(DialogText("club.refused.title")));
    window.SetMessage(ToQString(message));
    window.exec();
}

} // namespace tallo
