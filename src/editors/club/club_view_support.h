#pragma once

#include <QString>

#include <cstddef>
#include <string>
#include <vector>

class QComboBox;
class QLineEdit;
class QWidget;

namespace tallo {

struct ChoiceEntry;
struct ChoiceField;
struct ClubEditContext;

// Small pieces shared by the club editor's pages.

// Fills a combo box with a choice list ("none" for the entry of value 0) and selects the
// field's entry (no entry when the field's value is not in the list).
void FillChoiceCombo(QComboBox& combo, const ChoiceField& field);
// Fills a combo box with the record texts of a choice list (item data: the entries' values)
// and selects entry `current`; no signal goes out meanwhile.
void FillRecordCombo(QComboBox& combo, const std::vector<ChoiceEntry>& entries, int current);
// Takes the combo's selection into the field.
void ReadChoiceCombo(const QComboBox& combo, ChoiceField& field);

// Shows record text in an edit that accepts `maxLength` characters.
void SetRecordText(QLineEdit& edit, const std::string& text, size_t maxLength);

// The record text of what the user typed; `fallback` and the field's name in `refusals` when
// the database's code page cannot spell it.
std::string RecordTextOr(const QString& typed, const std::string& fallback,
                         const std::string& label, std::vector<std::string>& refusals);

// Tells the user what a page refused (through the editor's prompt, else a message window).
void ShowRefusals(QWidget* owner, const ClubEditContext& context,
                  const std::vector<std::string>& refusals);

} // namespace tallo
