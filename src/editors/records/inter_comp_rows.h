#pragma once

#include <QString>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace tallo {

class InterCompModel;

// The two name fields of one cup, bound to the model: typing sets the name at once.
struct InterCompNameRow {
    QLineEdit* name = nullptr;
    QLineEdit* shortName = nullptr;
};
// Adds "<cup title> [name] [console name]" as row `row` of `grid` (columns 0 to 2).
InterCompNameRow AddInterCompNameRow(QGridLayout& grid, int row, int cup, InterCompModel& model,
                                     QWidget* parent);
// The column headers above the name rows, in row `row`.
void AddInterCompNameHeader(QGridLayout& grid, int row, QWidget* parent);

// A reference shown as text with its choose and clear buttons.
struct InterCompReferenceRow {
    QLabel* text = nullptr;
    QPushButton* choose = nullptr;
    QPushButton* clear = nullptr;

    // Shows `text`, or the "none" text when it is empty.
    void Show(const std::string& utf8) const;
};
// Adds "<label> <text> [Choose...] [Clear]" as row `row` of `grid` (columns 0 to 3).
InterCompReferenceRow AddInterCompReferenceRow(QGridLayout& grid, int row, const QString& label,
                                               QWidget* parent);

// The line under a page that says what the last choice refused or cleared.
QLabel* MakeInterCompNote(QWidget* parent);
// The note after the model's last club choice: its refusal, or the titles it cleared.
QString InterCompChoiceNote(const InterCompModel& model, int title);

} // namespace tallo
